#include "search/Help.h"

#include "platform/HotKeyManager.h"
#include "search/Text.h"

#include "platform/PlatformWords.h"
#include "search/Fuzzy.h"
#include "sources/Shortcuts.h"
#include "store/Settings.h"

#include <QCoreApplication>

#include <algorithm>

namespace zarvo {

namespace {

using Text::trimSpacesAndTabs;

HelpTopic topic(const char* title, const char* detail, const char* symbol, std::optional<QString> example) {
    return HelpTopic{QString::fromUtf8(title), QString::fromUtf8(detail), QString::fromUtf8(symbol),
                     std::move(example)};
}

std::optional<QString> ex(const char* text) {
    return QString::fromUtf8(text);
}

// The manual as written: the Mac's words, keys inside our windows as glyphs, and the system-wide keys as
// placeholders, since those are whatever the user registered. Translated when shown.
//: The searchable manual. Keep verbatim: what the user types (in:desktop, img:, google:, > git status,
//: control, lock …), key glyphs, Finder and the {hotKey} {clipHotKey} placeholders.
const QList<HelpTopic>& written() {
    static const QList<HelpTopic> topics = {
        topic(QT_TRANSLATE_NOOP("Help", "Open a path"),
              QT_TRANSLATE_NOOP(
                  "Help",
                  "/, ~/, %USERPROFILE%\\Desktop, \"quoted paths\". \u21E5 completes, fuzzily (~/dwnl \u2192 "
                  "Downloads)."),
              "folder", ex("~/")),
        topic(QT_TRANSLATE_NOOP("Help", "Find files by name"),
              QT_TRANSLATE_NOOP(
                  "Help",
                  "Type any part of a name. Fuzzy: invc \u2192 Invoice.pdf, actmon \u2192 Activity Monitor."),
              "doc.text.magnifyingglass", ex("invoice")),
        topic(
            QT_TRANSLATE_NOOP("Help", "Search inside a folder"),
            QT_TRANSLATE_NOOP(
                "Help",
                "in:desktop avatar \u00B7 in:downloads \u00B7 in:~/repos readme. in:desktop alone lists it."),
            "scope", ex("in:desktop ")),
        topic(QT_TRANSLATE_NOOP("Help", "Filter by kind and date"),
              QT_TRANSLATE_NOOP("Help", "img: pdf: doc: sheet: slides: video: audio: folder: app: code: zip: "
                                        "\u00B7 today: yesterday: "
                                        "week: "
                                        "month:"),
              "line.3.horizontal.decrease.circle", ex("pdf: week: ")),
        topic(QT_TRANSLATE_NOOP("Help", "Search the web"),
              QT_TRANSLATE_NOOP("Help", "google: g: yt: gh: so: wiki: maps: amazon: npm: pypi: ddg: bing: "
                                        "translate: followed by text."),
              "magnifyingglass", ex("google:")),
        topic(QT_TRANSLATE_NOOP("Help", "Open a website"),
              QT_TRANSLATE_NOOP(
                  "Help", "github.com/trending, news.ycomb\u2026, https://\u2026 open in your browser. ⌘1–9 "
                          "picks "
                          "another browser."),
              "globe", ex("https://")),
        topic(QT_TRANSLATE_NOOP("Help", "Run a command"),
              QT_TRANSLATE_NOOP("Help",
                                "> git status runs it in a new Terminal window, from your home folder."),
              "terminal", ex("> ")),
        topic(QT_TRANSLATE_NOOP("Help", "Connect to a server"),
              QT_TRANSLATE_NOOP("Help",
                                "\\\\server\\share or smb://, afp://, vnc:// mounts it and opens Finder."),
              "server.rack", ex("smb://")),
        topic(QT_TRANSLATE_NOOP("Help", "Windows Run keywords"),
              QT_TRANSLATE_NOOP("Help", "control, cmd, notepad, calc, taskmgr, excel, winword, ncpa.cpl, "
                                        "downloads, trash\u2026 \u21A9 "
                                        "lists "
                                        "them all."),
              "command", ex("??")),
        topic(QT_TRANSLATE_NOOP("Help", "System actions"),
              QT_TRANSLATE_NOOP("Help", "lock \u00B7 sleep \u00B7 restart \u00B7 shutdown \u00B7 logout "
                                        "\u00B7 emptytrash \u00B7 eject "
                                        "\u00B7 "
                                        "ip (copies your IP address)."),
              "power", ex("ip")),
        topic(QT_TRANSLATE_NOOP("Help", "Actions on a result: \u2318K"),
              QT_TRANSLATE_NOOP(
                  "Help",
                  "Copy file / path / name / Markdown link, rename, duplicate, zip, move, Get Info, trash, "
                  "Terminal here."),
              "filemenu.and.selection", std::nullopt),
        topic(QT_TRANSLATE_NOOP("Help", "Keyboard"),
              QT_TRANSLATE_NOOP(
                  "Help", "\u21A9 open \u00B7 \u2318\u21A9 reveal \u00B7 \u2325\u21A9 Terminal here \u00B7 "
                          "\u2325\u2318\u21A9 paste "
                          "path into your app \u00B7 \u2318Y preview \u00B7 ⌘1–9 open with \u00B7 "
                          "\u2318⇧C copy path"),
              "keyboard", std::nullopt),
        topic(QT_TRANSLATE_NOOP("Help", "Favorites, clipboard and history"),
              QT_TRANSLATE_NOOP("Help", "⌘D stars a result. The empty box shows favorites, copied "
                                        "paths, then places you open most."),
              "star", std::nullopt),
        topic(
            QT_TRANSLATE_NOOP("Help", "Clipboard history"),
            QT_TRANSLATE_NOOP(
                "Help",
                "The Clipboard tab (\u2318. to switch, {clipHotKey}, or clip:) lists what you copied. \u21A9 "
                "copies, "
                "\u2318\u21A9 pastes into your app, \u2318P pins, Clear empties it."),
            "doc.on.clipboard.fill", ex("clip:")),
        topic(
            QT_TRANSLATE_NOOP("Help", "Clipboard paste-in"),
            QT_TRANSLATE_NOOP(
                "Help",
                "A copied path, file name or URL is filled in when the panel opens. Other text isn't. Typing "
                "replaces "
                "it, esc clears it."),
            "doc.on.clipboard", std::nullopt),
        topic(QT_TRANSLATE_NOOP("Help", "Your own keywords and hotkey"),
              QT_TRANSLATE_NOOP("Help", "Settings: map a word to a path, URL or app, change {hotKey}, pick "
                                        "your terminal. \u21A9 opens "
                                        "Settings."),
              "gearshape", Help::settingsSentinel()),
    };
    return topics;
}

} // namespace

QList<HelpTopic> HelpTopic::all(const HelpContext& context) {
    const PlatformWords& words = PlatformWords::of(context.platform);
    const Settings& settings = context.settings;
    const QString hotKey = words.hotKey(settings.hotKeyModifiers(), settings.hotKeyLabel());
    // Named as it works: a key that reaches us only from some windows says so.
    QString clipHotKey = words.hotKey(settings.clipHotKeyModifiers(), settings.clipHotKeyLabel());
    if (context.hotKeys) clipHotKey = context.hotKeys->shownKey(HotKeyManager::Slot::clipboard, clipHotKey);
    QList<HelpTopic> topics = written();
    for (HelpTopic& topic : topics) {
        topic.title = words.text(QCoreApplication::translate("Help", topic.title.toUtf8().constData()));
        topic.detail = words.text(QCoreApplication::translate("Help", topic.detail.toUtf8().constData()))
                           .replace(QLatin1String("{hotKey}"), hotKey)
                           .replace(QLatin1String("{clipHotKey}"), clipHotKey);
    }
    return topics;
}

QList<HelpTopic> HelpTopic::matches(const HelpContext& context, const QString& query) {
    const QString q = trimSpacesAndTabs(query);
    if (q.isEmpty()) return all(context);
    const QList<HelpTopic> topics = all(context); // the scores point into it
    QList<std::pair<int, const HelpTopic*>> scored;
    for (const HelpTopic& topic : topics) {
        int score = Fuzzy::score(q, topic.title).value_or(-1);
        // A detail that mentions the query counts as a plain match even when the title does not.
        if (topic.detail.contains(q, Qt::CaseInsensitive)) score = std::max(score, 0);
        if (score >= 0) scored.append({score, &topic});
    }
    std::stable_sort(scored.begin(), scored.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    QList<HelpTopic> out;
    for (const auto& entry : scored)
        out << *entry.second;
    return out;
}

namespace Help {

const QString& settingsSentinel() {
    static const QString sentinel = QChar(u'\0') + QStringLiteral("settings");
    return sentinel;
}

bool isHelpQuery(const QString& text) {
    const QString t = text.trimmed();
    return t.startsWith(u'?') || t.compare(QLatin1String("help"), Qt::CaseInsensitive) == 0;
}

QString words(const QString& text) {
    const QString t = text.trimmed();
    if (!t.startsWith(u'?')) return QString();
    return trimSpacesAndTabs(t.mid(1));
}

QUrl url(const QString& title) {
    // The unreserved marks - . _ ~ stay literal: URLs treat them as equal to their escapes and
    // normalise them back, so escaping them would only make keys differ between code paths.
    const QByteArray encoded = QUrl::toPercentEncoding(title);
    return QUrl(QStringLiteral("zarvo:help/") + QString::fromLatin1(encoded), QUrl::StrictMode);
}

ResultItem item(const HelpTopic& topic) {
    ResultItem row;
    row.url = url(topic.title);
    row.source = ResultItem::Source::help;
    row.title = topic.title;
    row.subtitle = topic.detail;
    row.symbol = topic.symbol;
    row.example = topic.example;
    return row;
}

QList<ResultItem> rows(const HelpContext& context, const QString& text) {
    const QString t = text.trimmed();
    const auto keywordRows = [&](const QString& typed) {
        return Shortcuts::matches(context.platform, typed, ResultItem::Source::shortcut,
                                  Shortcuts::all(context.platform, context.settings.customShortcuts()));
    };
    if (t == QLatin1String("??")) return keywordRows(QStringLiteral("?"));
    const QString rest = words(t);
    QList<ResultItem> out;
    for (const HelpTopic& topic : HelpTopic::matches(context, rest))
        out << item(topic);
    if (!rest.isEmpty()) out << keywordRows(rest);
    return out;
}

} // namespace Help

} // namespace zarvo
