#include "platform/linux/LinuxPlatformWords.h"

#include "platform/HotKeyFormat.h"

#include <QList>
#include <utility>

namespace zarvo::linux_ {

namespace {

constexpr QChar kControl(0x2303), kOption(0x2325), kShift(0x21E7), kCommand(0x2318);

bool isModifierGlyph(QChar c) {
    return c == kControl || c == kOption || c == kShift || c == kCommand;
}

// Linux writes modifiers as words in a fixed order: Ctrl, Alt, Shift, Super.
QString modifierWords(bool ctrl, bool alt, bool shift, bool super) {
    QString out;
    if (ctrl) out += QStringLiteral("Ctrl+");
    if (alt) out += QStringLiteral("Alt+");
    if (shift) out += QStringLiteral("Shift+");
    if (super) out += QStringLiteral("Super+");
    return out;
}

// The key after a run of modifier glyphs: F1…F12, else one character (none at the end of the text).
qsizetype keyLength(const QString& text, qsizetype at) {
    if (at >= text.size()) return 0;
    if (text[at] == QLatin1Char('F') && at + 1 < text.size() && text[at + 1].isDigit()) {
        qsizetype end = at + 1;
        while (end < text.size() && end - at <= 2 && text[end].isDigit())
            ++end;
        return end - at;
    }
    return text[at].isHighSurrogate() && at + 1 < text.size() ? 2 : 1;
}

// Words of the Mac's that name things with another name here; key glyphs are handled apart. A whole
// entry replaces only a text that is exactly it (a row's title), so a sentence or a file name that
// merely contains the word stays as it is.
struct Word {
    QString mac;
    QString here;
    bool whole = false;
};

const QList<Word>& wordTable() {
    static const QList<Word> table{
        {QStringLiteral("macOS hasn't granted access"), QStringLiteral("missing or not readable by you")},
        {QStringLiteral("System Settings"), QStringLiteral("Settings")},
        {QStringLiteral("About This Mac"), QStringLiteral("About This Computer")},
        {QStringLiteral("this Mac"), QStringLiteral("this computer")},
        {QStringLiteral("macOS"), QStringLiteral("Linux")},
        // Sentences whose glyphs are not key combinations, or whose claim is the Mac's own.
        {QStringLiteral("Include ⌘, ⌥ or ⌃ in the shortcut."),
         QStringLiteral("Include Ctrl, Alt or Super in the shortcut.")},
        {QStringLiteral("⌘R no longer reloads pages in browsers, and ⇧⌘V no longer pastes as plain text in "
                        "apps that use it"),
         QStringLiteral("Super+R and Shift+Super+V no longer reach the app in front")},
        {QStringLiteral("Everything (Mail, other users, external drives)"),
         QStringLiteral("Everything (other users, external drives)")},
        // Names of the Mac's applications and places, where the desktop names none of its own.
        {QStringLiteral("TextEdit"), QStringLiteral("Text Editor"), true},
        {QStringLiteral("Preview"), QStringLiteral("Image Viewer"), true},
        {QStringLiteral("Macintosh HD"), QStringLiteral("File System"), true},
        {QStringLiteral("Movies"), QStringLiteral("Videos"), true},
    };
    return table;
}

} // namespace

LinuxPlatformWords::LinuxPlatformWords(std::function<std::optional<QString>()> fileManagerName)
    : m_fileManagerName(std::move(fileManagerName)) {}

QString LinuxPlatformWords::fileManager() const {
    // Looked up once: the default handler rarely changes while we run, and texts are drawn often.
    if (!m_fileManager) {
        const auto name = m_fileManagerName ? m_fileManagerName() : std::nullopt;
        m_fileManager = name && !name->trimmed().isEmpty() ? name->trimmed() : QStringLiteral("File Manager");
    }
    return *m_fileManager;
}

QString LinuxPlatformWords::hotKey(quint32 modifiers, const QString& keyLabel) const {
    // Global keys: ⌘ is the Super key (the Windows key), ⌃ is Ctrl.
    return modifierWords(modifiers & HotKeyModifier::control, modifiers & HotKeyModifier::option,
                         modifiers & HotKeyModifier::shift, modifiers & HotKeyModifier::command) +
           keyLabel;
}

QString LinuxPlatformWords::keys(const QString& glyphs) const {
    // Inside our windows ⌘ is Ctrl and ⌃ is Super, as Qt maps them.
    QString out;
    qsizetype i = 0;
    while (i < glyphs.size()) {
        if (!isModifierGlyph(glyphs[i])) {
            out += glyphs[i++];
            continue;
        }
        bool ctrl = false, alt = false, shift = false, super = false;
        for (; i < glyphs.size() && isModifierGlyph(glyphs[i]); ++i) {
            const QChar c = glyphs[i];
            ctrl |= c == kCommand;
            alt |= c == kOption;
            shift |= c == kShift;
            super |= c == kControl;
        }
        const qsizetype length = keyLength(glyphs, i);
        QString words = modifierWords(ctrl, alt, shift, super);
        if (length == 0) words.chop(1); // a lone glyph at the end names the modifier itself
        out += words + glyphs.mid(i, length);
        i += length;
    }
    return out;
}

QString LinuxPlatformWords::title(const QString& shown) const {
    for (const Word& word : wordTable())
        if (word.whole && shown == word.mac) return word.here;
    return text(shown);
}

QString LinuxPlatformWords::text(const QString& shown) const {
    QString out = shown;
    for (const Word& word : wordTable())
        if (!word.whole) out.replace(word.mac, word.here);
    if (out.contains(QLatin1String("Finder"))) out.replace(QLatin1String("Finder"), fileManager());
    return keys(out);
}

} // namespace zarvo::linux_
