#include "platform/linux/LinuxPlatformWords.h"

#include "platform/HotKeyFormat.h"

#include <QCoreApplication>
#include <utility>

namespace zarvo::linux_ {

namespace {

constexpr QChar kControl(0x2303), kOption(0x2325), kShift(0x21E7), kCommand(0x2318);

bool isModifierGlyph(QChar c) {
    return c == kControl || c == kOption || c == kShift || c == kCommand;
}

// Linux writes modifiers as words in a fixed order: Ctrl, Alt, Shift, Super.
QString modifierWords(bool ctrl, bool alt, bool shift, bool super) {
    using HotKeyFormat::KeyName;
    QString out;
    if (ctrl) out += HotKeyFormat::keyName(KeyName::ctrl) + QLatin1Char('+');
    if (alt) out += HotKeyFormat::keyName(KeyName::alt) + QLatin1Char('+');
    if (shift) out += HotKeyFormat::keyName(KeyName::shift) + QLatin1Char('+');
    if (super) out += HotKeyFormat::keyName(KeyName::super) + QLatin1Char('+');
    return out;
}

QString translated(const char* text) {
    return QCoreApplication::translate("LinuxPlatformWords", text);
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

} // namespace

LinuxPlatformWords::LinuxPlatformWords(std::function<std::optional<QString>()> fileManagerName)
    : m_fileManagerName(std::move(fileManagerName)) {}

QString LinuxPlatformWords::fileManager() const {
    // Looked up once: the default handler rarely changes while we run, and texts are drawn often.
    if (!m_fileManager) {
        const auto name = m_fileManagerName ? m_fileManagerName() : std::nullopt;
        m_fileManager = name && !name->trimmed().isEmpty()
                            ? name->trimmed()
                            : QCoreApplication::translate("LinuxPlatformWords", "File Manager");
    }
    return *m_fileManager;
}

QString LinuxPlatformWords::hotKey(quint32 modifiers, const QString& keyLabel) const {
    // Global keys: ⌘ is the Super key (the Windows key), ⌃ is Ctrl.
    return modifierWords(modifiers & HotKeyModifier::control, modifiers & HotKeyModifier::option,
                         modifiers & HotKeyModifier::shift, modifiers & HotKeyModifier::command) +
           (keyLabel == QLatin1String("Space") ? HotKeyFormat::keyName(HotKeyFormat::KeyName::space)
                                               : keyLabel);
}

// Words of the Mac's that name things with another name here; key glyphs are handled apart. Texts keep
// the Mac's words untranslated, so those are matched as written; the sentences below are translated
// whole by the texts they come from and are matched in the user's language too. A whole entry replaces
// only a text that is exactly it (a row's title), so a sentence or a file name that merely contains the
// word stays as it is. Built on first use, as texts are drawn often; the catalogue is installed before
// any platform is made.
const QList<LinuxPlatformWords::Word>& LinuxPlatformWords::words() const {
    if (m_words) return *m_words;
    using HotKeyFormat::KeyName;
    const auto sentence = [](const char* mac, const QString& here) {
        return Word{QString::fromUtf8(mac), translated(mac), here, false};
    };
    const auto word = [](const char* mac, const char* here, bool whole = false) {
        return Word{QString::fromUtf8(mac), {}, translated(here), whole};
    };
    m_words = QList<Word>{
        //: Must be exactly how the folder-access banner's translation says this part; it is replaced
        //: by the next text.
        sentence(QT_TRANSLATE_NOOP("LinuxPlatformWords", "macOS hasn't granted access"),
                 //: Why a folder cannot be searched: "Can't search ~/a — missing or not readable by you."
                 translated(QT_TRANSLATE_NOOP("LinuxPlatformWords", "missing or not readable by you"))),
        //: Shown wherever other texts say "System Settings": the desktop's settings app.
        word("System Settings", QT_TRANSLATE_NOOP("LinuxPlatformWords", "Settings")),
        //: A row's title, for the Mac's "About This Mac".
        word("About This Mac", QT_TRANSLATE_NOOP("LinuxPlatformWords", "About This Computer")),
        //: Replaces "this Mac" inside other translated texts ("Clips stay on this Mac."): in German
        //: the dative that follows "auf".
        word("this Mac", QT_TRANSLATE_NOOP("LinuxPlatformWords", "this computer")),
        word("macOS", QT_TRANSLATE_NOOP("LinuxPlatformWords", "Linux")),
        // Sentences whose glyphs are not key combinations, or whose claim is the Mac's own.
        //: Must be exactly the shortcut recorder's translation of this sentence, glyphs kept.
        sentence(QT_TRANSLATE_NOOP("LinuxPlatformWords", "Include ⌘, ⌥ or ⌃ in the shortcut."),
                 //: %1, %2, %3 are the names of the Ctrl, Alt and Super keys.
                 translated(QT_TRANSLATE_NOOP("LinuxPlatformWords", "Include %1, %2 or %3 in the shortcut."))
                     .arg(HotKeyFormat::keyName(KeyName::ctrl), HotKeyFormat::keyName(KeyName::alt),
                          HotKeyFormat::keyName(KeyName::super))),
        //: Must be exactly how the settings window's translation of the note on global shortcuts says
        //: this part, glyphs kept.
        sentence(
            QT_TRANSLATE_NOOP("LinuxPlatformWords",
                              "⌘R no longer reloads pages in browsers, and ⇧⌘V no longer pastes as "
                              "plain text in apps that use it"),
            //: %1 and %2 are key combinations: "Super+R and Shift+Super+V no longer reach the app
            //: in front". It takes the place of the part above in "…: while Zarvo runs, <part>.", so
            //: its word order follows that (German: the verb first).
            translated(QT_TRANSLATE_NOOP("LinuxPlatformWords", "%1 and %2 no longer reach the app in front"))
                .arg(hotKey(HotKeyModifier::command, QStringLiteral("R")),
                     hotKey(HotKeyModifier::shift | HotKeyModifier::command, QStringLiteral("V")))),
        //: Must be exactly the settings window's translation of this option.
        sentence(
            QT_TRANSLATE_NOOP("LinuxPlatformWords", "Everything (Mail, other users, external drives)"),
            translated(QT_TRANSLATE_NOOP("LinuxPlatformWords", "Everything (other users, external drives)"))),
        // Names of the Mac's applications and places, where the desktop names none of its own.
        //: A row's title: the desktop's plain text editor.
        word("TextEdit", QT_TRANSLATE_NOOP("LinuxPlatformWords", "Text Editor"), true),
        //: A row's title: the desktop's image viewer.
        word("Preview", QT_TRANSLATE_NOOP("LinuxPlatformWords", "Image Viewer"), true),
        //: A row's title: the root folder "/".
        word("Macintosh HD", QT_TRANSLATE_NOOP("LinuxPlatformWords", "File System"), true),
        //: A row's title: the folder of videos in the home folder.
        word("Movies", QT_TRANSLATE_NOOP("LinuxPlatformWords", "Videos"), true),
    };
    return *m_words;
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
        // The space bar is named in the user's language, as in global keys.
        const bool space = QStringView(glyphs).mid(i).startsWith(QLatin1String("Space"));
        const qsizetype length = space ? 5 : keyLength(glyphs, i);
        QString words = modifierWords(ctrl, alt, shift, super);
        if (length == 0) words.chop(1); // a lone glyph at the end names the modifier itself
        out += words + (space ? HotKeyFormat::keyName(HotKeyFormat::KeyName::space) : glyphs.mid(i, length));
        i += length;
    }
    return out;
}

QString LinuxPlatformWords::title(const QString& shown) const {
    for (const Word& word : words())
        if (word.whole && shown == word.mac) return word.here;
    return text(shown);
}

QString LinuxPlatformWords::text(const QString& shown) const {
    QString out = shown;
    for (const Word& word : words()) {
        if (word.whole) continue;
        out.replace(word.mac, word.here);
        if (!word.macTranslated.isEmpty() && word.macTranslated != word.mac)
            out.replace(word.macTranslated, word.here);
    }
    if (out.contains(QLatin1String("Finder"))) out.replace(QLatin1String("Finder"), fileManager());
    return keys(out);
}

} // namespace zarvo::linux_
