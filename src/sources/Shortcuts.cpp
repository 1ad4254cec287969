#include "sources/Shortcuts.h"
#include "search/Text.h"

#include "platform/Environment.h"
#include "platform/Platform.h"
#include "platform/PlatformWords.h"
#include "platform/Workspace.h"
#include "search/Fuzzy.h"
#include "sources/PathInput.h"
#include "store/Settings.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMutex>
#include <QRegularExpression>
#include <QSet>
#include <QUrl>

#include <algorithm>

namespace zarvo::Shortcuts {

namespace {

constexpr int kMaxMatches = 6;
const char* const kSettingsAppIdentifier = "com.apple.systempreferences";
const char* const kSettingsURLPrefix = "x-apple.systempreferences:";

// The table's own data. Folder paths are the macOS places; a leading ~ is the home folder. The
// temporary folder has no fixed path and is marked by an empty path. Titles are translated when the
// table is built: the rows show and match them in the user's language.
struct FolderRow {
    const char* keyword;
    std::initializer_list<const char*> aliases;
    const char* title;
    const char* path;
};
struct AppRow {
    const char* keyword;
    std::initializer_list<const char*> aliases;
    const char* title;
    std::initializer_list<const char*> bundleIdentifiers;
};
struct SettingsRow {
    const char* keyword;
    std::initializer_list<const char*> aliases;
    const char* title;
    const char* pane; // null: the settings application itself
};
struct SystemRow {
    SystemAction action;
    std::initializer_list<const char*> aliases;
};

const FolderRow kFolders[] = {
    {"home", {"profile", "userprofile", "user", "me"}, QT_TRANSLATE_NOOP("Shortcuts", "Home Folder"), "~"},
    {"desktop", {}, QT_TRANSLATE_NOOP("Shortcuts", "Desktop"), "~/Desktop"},
    {"documents", {"docs", "mydocuments"}, QT_TRANSLATE_NOOP("Shortcuts", "Documents"), "~/Documents"},
    {"downloads", {"dl"}, QT_TRANSLATE_NOOP("Shortcuts", "Downloads"), "~/Downloads"},
    {"pictures", {}, QT_TRANSLATE_NOOP("Shortcuts", "Pictures"), "~/Pictures"},
    {"music", {}, QT_TRANSLATE_NOOP("Shortcuts", "Music"), "~/Music"},
    {"movies", {"videos"}, QT_TRANSLATE_NOOP("Shortcuts", "Movies"), "~/Movies"},
    {"apps",
     {"applications", "programs", "appwiz.cpl"},
     QT_TRANSLATE_NOOP("Shortcuts", "Applications"),
     "/Applications"},
    {"utilities", {}, QT_TRANSLATE_NOOP("Shortcuts", "Utilities"), "/Applications/Utilities"},
    {"library", {}, QT_TRANSLATE_NOOP("Shortcuts", "Library"), "~/Library"},
    {"appdata",
     {"localappdata", "application support"},
     QT_TRANSLATE_NOOP("Shortcuts", "Application Support"),
     "~/Library/Application Support"},
    {"trash",
     {"recycle", "recyclebin", "recycle bin", "bin"},
     QT_TRANSLATE_NOOP("Shortcuts", "Trash"),
     "~/.Trash"},
    {"temp", {"tmp"}, QT_TRANSLATE_NOOP("Shortcuts", "Temporary Items"), ""},
    {"icloud",
     {"onedrive", "drive"},
     QT_TRANSLATE_NOOP("Shortcuts", "iCloud Drive"),
     "~/Library/Mobile Documents/com~apple~CloudDocs"},
    {"computer",
     {"c:", "c:\\", "thispc", "this pc", "mycomputer", "root"},
     QT_TRANSLATE_NOOP("Shortcuts", "Macintosh HD"),
     "/"},
    {"hosts", {}, QT_TRANSLATE_NOOP("Shortcuts", "hosts file"), "/etc/hosts"},
};

const AppRow kApps[] = {
    {"cmd",
     {"terminal", "powershell", "pwsh", "wt", "shell", "bash"},
     QT_TRANSLATE_NOOP("Shortcuts", "Terminal"),
     {"com.apple.Terminal"}},
    {"notepad",
     {"textedit", "wordpad", "write"},
     QT_TRANSLATE_NOOP("Shortcuts", "TextEdit"),
     {"com.apple.TextEdit"}},
    {"calc", {"calculator"}, QT_TRANSLATE_NOOP("Shortcuts", "Calculator"), {"com.apple.calculator"}},
    {"taskmgr",
     {"task manager", "activity", "activity monitor", "top"},
     QT_TRANSLATE_NOOP("Shortcuts", "Activity Monitor"),
     {"com.apple.ActivityMonitor"}},
    {"explorer", {"finder"}, QT_TRANSLATE_NOOP("Shortcuts", "Finder"), {"com.apple.finder"}},
    {"mspaint", {"paint", "preview"}, QT_TRANSLATE_NOOP("Shortcuts", "Preview"), {"com.apple.Preview"}},
    {"snippingtool",
     {"snip", "screenshot"},
     QT_TRANSLATE_NOOP("Shortcuts", "Screenshot"),
     {"com.apple.screenshot.launcher"}},
    {"msinfo32",
     {"dxdiag", "devmgmt.msc", "device manager", "sysinfo", "system information"},
     QT_TRANSLATE_NOOP("Shortcuts", "System Information"),
     {"com.apple.SystemProfiler"}},
    {"diskmgmt.msc",
     {"diskmgmt", "disk", "disk utility"},
     QT_TRANSLATE_NOOP("Shortcuts", "Disk Utility"),
     {"com.apple.DiskUtility"}},
    {"eventvwr",
     {"event viewer", "console", "logs"},
     QT_TRANSLATE_NOOP("Shortcuts", "Console"),
     {"com.apple.Console"}},
    {"passwords",
     {"credential manager", "keychain"},
     QT_TRANSLATE_NOOP("Shortcuts", "Passwords"),
     {"com.apple.Passwords", "com.apple.keychainaccess"}},
    {"fonts", {"fontbook"}, QT_TRANSLATE_NOOP("Shortcuts", "Font Book"), {"com.apple.FontBook"}},
    {"store",
     {"appstore", "app store", "ms-windows-store:"},
     QT_TRANSLATE_NOOP("Shortcuts", "App Store"),
     {"com.apple.AppStore"}},
    {"mstsc",
     {"remote desktop", "screen sharing", "vnc"},
     QT_TRANSLATE_NOOP("Shortcuts", "Screen Sharing"),
     {"com.apple.ScreenSharing"}},
    {"excel",
     {"microsoft excel"},
     QT_TRANSLATE_NOOP("Shortcuts", "Microsoft Excel"),
     {"com.microsoft.Excel"}},
    {"winword",
     {"word", "microsoft word"},
     QT_TRANSLATE_NOOP("Shortcuts", "Microsoft Word"),
     {"com.microsoft.Word"}},
};

const SettingsRow kSettings[] = {
    {"control",
     {"settings", "control panel", "ms-settings:", "preferences", "prefs"},
     QT_TRANSLATE_NOOP("Shortcuts", "System Settings"),
     nullptr},
    {"wifi",
     {"wi-fi", "wlan", "wireless"},
     QT_TRANSLATE_NOOP("Shortcuts", "Wi‑Fi"),
     "com.apple.wifi-settings-extension"},
    {"bluetooth", {"bt"}, QT_TRANSLATE_NOOP("Shortcuts", "Bluetooth"), "com.apple.BluetoothSettings"},
    {"network",
     {"ncpa.cpl", "ethernet", "internet"},
     QT_TRANSLATE_NOOP("Shortcuts", "Network"),
     "com.apple.Network-Settings.extension"},
    {"vpn",
     {},
     QT_TRANSLATE_NOOP("Shortcuts", "VPN"),
     "com.apple.NetworkExtensionSettingsUI.NESettingsUIExtension"},
    {"display",
     {"displays", "desk.cpl", "monitor", "resolution"},
     QT_TRANSLATE_NOOP("Shortcuts", "Displays"),
     "com.apple.Displays-Settings.extension"},
    {"sound",
     {"mmsys.cpl", "audio", "volume"},
     QT_TRANSLATE_NOOP("Shortcuts", "Sound"),
     "com.apple.Sound-Settings.extension"},
    {"keyboard", {}, QT_TRANSLATE_NOOP("Shortcuts", "Keyboard"), "com.apple.Keyboard-Settings.extension"},
    {"mouse", {"main.cpl"}, QT_TRANSLATE_NOOP("Shortcuts", "Mouse"), "com.apple.Mouse-Settings.extension"},
    {"trackpad",
     {"touchpad"},
     QT_TRANSLATE_NOOP("Shortcuts", "Trackpad"),
     "com.apple.Trackpad-Settings.extension"},
    {"battery",
     {"powercfg.cpl", "power", "energy"},
     QT_TRANSLATE_NOOP("Shortcuts", "Battery"),
     "com.apple.Battery-Settings.extension"},
    {"users",
     {"netplwiz", "lusrmgr.msc", "accounts", "user accounts"},
     QT_TRANSLATE_NOOP("Shortcuts", "Users & Groups"),
     "com.apple.Users-Groups-Settings.extension"},
    {"update",
     {"windows update", "software update", "wuapp"},
     QT_TRANSLATE_NOOP("Shortcuts", "Software Update"),
     "com.apple.Software-Update-Settings.extension"},
    {"startup",
     {"msconfig", "shell:startup", "login items"},
     QT_TRANSLATE_NOOP("Shortcuts", "Login Items"),
     "com.apple.LoginItems-Settings.extension"},
    {"privacy",
     {"security", "firewall", "firewall.cpl", "wf.msc"},
     QT_TRANSLATE_NOOP("Shortcuts", "Privacy & Security"),
     "com.apple.settings.PrivacySecurity.extension"},
    {"printers",
     {"printer", "control printers", "scanner"},
     QT_TRANSLATE_NOOP("Shortcuts", "Printers & Scanners"),
     "com.apple.Print-Scan-Settings.extension"},
    {"notifications",
     {},
     QT_TRANSLATE_NOOP("Shortcuts", "Notifications"),
     "com.apple.Notifications-Settings.extension"},
    {"accessibility",
     {"access.cpl", "ease of access"},
     QT_TRANSLATE_NOOP("Shortcuts", "Accessibility"),
     "com.apple.Accessibility-Settings.extension"},
    {"datetime",
     {"timedate.cpl", "date", "time", "clock"},
     QT_TRANSLATE_NOOP("Shortcuts", "Date & Time"),
     "com.apple.Date-Time-Settings.extension"},
    {"appearance",
     {"dark mode", "theme", "personalization"},
     QT_TRANSLATE_NOOP("Shortcuts", "Appearance"),
     "com.apple.Appearance-Settings.extension"},
    {"wallpaper",
     {"background"},
     QT_TRANSLATE_NOOP("Shortcuts", "Wallpaper"),
     "com.apple.Wallpaper-Settings.extension"},
    {"storage",
     {"cleanmgr", "disk cleanup"},
     QT_TRANSLATE_NOOP("Shortcuts", "Storage"),
     "com.apple.settings.Storage"},
    {"language",
     {"intl.cpl", "region"},
     QT_TRANSLATE_NOOP("Shortcuts", "Language & Region"),
     "com.apple.Localization-Settings.extension"},
    {"sharing", {}, QT_TRANSLATE_NOOP("Shortcuts", "Sharing"), "com.apple.Sharing-Settings.extension"},
    {"winver",
     {"about", "sysdm.cpl", "system", "about this mac"},
     QT_TRANSLATE_NOOP("Shortcuts", "About This Mac"),
     "com.apple.SystemProfiler.AboutExtension"},
};

const SystemRow kSystem[] = {
    {SystemAction::lock, {"lockscreen", "lock screen", "win+l", "rundll32 user32.dll,lockworkstation"}},
    {SystemAction::sleep, {"suspend", "hibernate"}},
    {SystemAction::displaySleep, {"display off", "monitor off", "screen off"}},
    {SystemAction::screensaver, {"scr"}},
    {SystemAction::restart, {"reboot", "shutdown /r"}},
    {SystemAction::shutdown, {"poweroff", "power off", "shutdown /s"}},
    {SystemAction::logout, {"log out", "logoff", "signout", "sign out", "shutdown /l"}},
    {SystemAction::emptyTrash, {"empty trash", "empty recycle bin", "emptybin"}},
    {SystemAction::eject, {"eject all", "unmount"}},
    {SystemAction::ip, {"ipconfig", "ifconfig", "my ip", "myip"}},
};

QStringList strings(std::initializer_list<const char*> list) {
    QStringList out;
    out.reserve(qsizetype(list.size()));
    for (const char* s : list)
        out << QString::fromUtf8(s);
    return out;
}

// GCC 12 at -O3 reports the optional inside the variant's inactive alternative as maybe-uninitialized
// when rows are moved into the list (a known false positive of that compiler).
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif
QList<Shortcut> buildTable(const Platform& platform) {
    QList<Shortcut> table;
    for (const auto& row : kFolders) {
        const QString tablePath = QString::fromUtf8(row.path);
        QString path;
        if (tablePath.isEmpty())
            path = PathInput::tempDirectory(platform.environment);
        else
            path = platform.workspace ? platform.workspace->platformPath(tablePath) : tablePath;
        table << Shortcut{QString::fromUtf8(row.keyword), strings(row.aliases),
                          QCoreApplication::translate("Shortcuts", row.title), Shortcut::Path{path}};
    }
    for (const auto& row : kApps)
        table << Shortcut{QString::fromUtf8(row.keyword), strings(row.aliases),
                          QCoreApplication::translate("Shortcuts", row.title),
                          Shortcut::App{strings(row.bundleIdentifiers)}};
    for (const auto& row : kSettings) {
        Shortcut::SettingsPane target;
        if (row.pane) target.pane.emplace(QString::fromUtf8(row.pane));
        table.append(
            Shortcut{QString::fromUtf8(row.keyword), strings(row.aliases),
                     QCoreApplication::translate("Shortcuts", row.title),
                     Shortcut::Target(std::in_place_type<Shortcut::SettingsPane>, std::move(target))});
    }
    for (const auto& row : kSystem)
        table << Shortcut{SystemActions::rawValue(row.action).toLower(), strings(row.aliases),
                          SystemActions::title(row.action), Shortcut::System{row.action}};
    return table;
}
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic pop
#endif

QString homePath(const Environment* env) {
    return env ? env->homePath() : QString();
}

bool exists(const QString& path) {
    return !path.isEmpty() && QFileInfo::exists(path);
}

ResultItem plainRow(const QUrl& url, ResultItem::Source source) {
    ResultItem row;
    row.url = url;
    row.source = source;
    return row;
}

std::optional<ResultItem> resolveCustom(const Platform& platform, const QString& target,
                                        ResultItem::Source source) {
    const Workspace* workspace = platform.workspace;
    if (auto web = PathInput::webURL(target)) return plainRow(*web, source);

    const QUrl url(target);
    const QString scheme = url.scheme().toLower();
    if (url.isValid() && scheme.size() >= 2 && scheme != QLatin1String("file")) return plainRow(url, source);

    const QString expanded = PathInput::expand(platform, target);
    if (exists(expanded)) return ResultItem::file(workspace, expanded, source);

    const QString bundle = target.endsWith(QLatin1String(".app")) ? target : target + QStringLiteral(".app");
    const QStringList folders = {QStringLiteral("/Applications"), QStringLiteral("/System/Applications"),
                                 QStringLiteral("/System/Applications/Utilities"),
                                 QStringLiteral("/Applications/Utilities"),
                                 homePath(platform.environment) + QStringLiteral("/Applications")};
    for (const QString& folder : folders) {
        const QString candidate = folder + u'/' + bundle;
        if (exists(candidate)) return ResultItem::file(workspace, candidate, source);
    }
    // Where applications are not bundles in folders (Linux desktop entries), the workspace knows them
    // by identifier: "firefox" or "org.gnome.Calculator".
    if (workspace)
        if (auto app = workspace->urlForApplication(target)) return ResultItem::file(workspace, *app, source);
    return std::nullopt;
}

// Whether text.toLower() starts with `lowered`; ASCII text is compared in place.
bool lowerStartsWith(const QString& text, const QString& lowered) {
    const char16_t* t = reinterpret_cast<const char16_t*>(text.utf16());
    const char16_t* p = reinterpret_cast<const char16_t*>(lowered.utf16());
    const qsizetype n = text.size();
    bool ascii = true;
    for (qsizetype i = 0; i < n && ascii; ++i)
        ascii = t[i] < 0x80;
    if (!ascii) return text.toLower().startsWith(lowered);
    if (lowered.size() > n) return false;
    for (qsizetype i = 0; i < lowered.size(); ++i) {
        const char16_t c = t[i] >= 'A' && t[i] <= 'Z' ? char16_t(t[i] + 32) : t[i];
        if (c != p[i]) return false;
    }
    return true;
}

std::optional<int> fuzzyScore(const QStringList& words, const QString& candidate) {
    int total = 0;
    for (const QString& word : words) {
        const auto score = Fuzzy::wordScore(word, candidate);
        if (!score) return std::nullopt;
        total += *score;
    }
    return total;
}

using Text::trimSpacesAndTabs;

} // namespace

QList<Shortcut> builtIn(const Platform& platform) {
    // Built once per platform: the folder rows depend on the home and temporary folders, which are per
    // process in the application and per test in the unit tests.
    static QMutex mutex;
    static QList<Shortcut> table;
    static QString builtFor;
    const QString identity = homePath(platform.environment) + u'\n' +
                             PathInput::tempDirectory(platform.environment) + u'\n' +
                             QString::number(quintptr(platform.workspace));
    QMutexLocker lock(&mutex);
    if (table.isEmpty() || builtFor != identity) {
        table = buildTable(platform);
        builtFor = identity;
    }
    return table;
}

QList<Shortcut> all(const Platform& platform, const QList<CustomShortcut>& custom) {
    // Asked on every keystroke: the merged table is kept while the user's keywords and the built-in
    // table stay the same (a rebuilt built-in table has new data; the kept copy holds on to the old).
    static QMutex mutex;
    static std::optional<std::pair<QList<CustomShortcut>, QList<Shortcut>>> keptFor;
    static QList<Shortcut> kept;
    const QList<Shortcut> table = builtIn(platform);
    QMutexLocker lock(&mutex);
    if (keptFor && keptFor->first == custom && keptFor->second.constData() == table.constData() &&
        keptFor->second.size() == table.size())
        return kept;
    QList<Shortcut> result;
    QSet<QString> taken;
    for (const CustomShortcut& record : custom) {
        if (record.keyword.isEmpty() || record.target.isEmpty()) continue;
        const QString keyword = record.keyword.toLower();
        result << Shortcut{keyword, {}, record.keyword, Shortcut::Custom{record.target}};
        taken.insert(keyword);
    }
    for (const Shortcut& shortcut : table) {
        bool hidden = taken.contains(shortcut.keyword);
        for (const QString& alias : shortcut.aliases)
            hidden = hidden || taken.contains(alias);
        if (!hidden) result << shortcut;
    }
    keptFor.emplace(custom, table);
    kept = result;
    return result;
}

QList<ResultItem> matches(const Platform& platform, const QString& text, ResultItem::Source source,
                          const QList<Shortcut>& shortcuts) {
    const QString q = trimSpacesAndTabs(text.toLower());
    QList<ResultItem> rows;
    if (q.isEmpty()) return rows;
    if (q == QLatin1String("?")) {
        for (const Shortcut& shortcut : shortcuts)
            if (auto row = item(platform, shortcut, source)) rows << *row;
        return rows;
    }

    QList<const Shortcut*> exact, prefix;
    QList<std::pair<int, const Shortcut*>> fuzzy;
    const QStringList words = Text::words(q);
    for (const Shortcut& s : shortcuts) {
        // The keyword, then the aliases (the names), then the title: in that order, without copies.
        if (s.keyword == q || s.aliases.contains(q)) {
            exact << &s;
            continue;
        }
        if (q.size() >= 2) {
            bool starts = lowerStartsWith(s.title, q) || s.keyword.startsWith(q);
            for (const QString& name : s.aliases)
                starts = starts || name.startsWith(q);
            if (starts) {
                prefix << &s;
                continue;
            }
        }
        if (q.size() >= 3) {
            std::optional<int> best;
            auto consider = [&](const QString& candidate) {
                const auto score = fuzzyScore(words, candidate);
                if (score && (!best || *score > *best)) best = score;
            };
            consider(s.keyword);
            for (const QString& alias : s.aliases)
                consider(alias);
            consider(s.title);
            if (best) fuzzy.append({*best, &s});
        }
    }
    std::stable_sort(fuzzy.begin(), fuzzy.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });

    QList<const Shortcut*> chosen = exact + prefix;
    for (const auto& entry : fuzzy)
        chosen << entry.second;
    // The cap comes before the conversion: each conversion touches the file system and the workspace.
    chosen = chosen.mid(0, kMaxMatches);
    for (const Shortcut* shortcut : chosen)
        if (auto row = item(platform, *shortcut, source)) rows << *row;
    return rows;
}

std::optional<ResultItem> itemForKeyword(const Platform& platform, const QString& keyword,
                                         ResultItem::Source source, const QList<Shortcut>& shortcuts) {
    for (const Shortcut& shortcut : shortcuts)
        if (shortcut.keyword == keyword) return item(platform, shortcut, source);
    return std::nullopt;
}

namespace {

// An application row is titled with the name of the application that opens (a desktop entry's Name
// here), the table's name in this platform's words when the application gives none. The workspace
// keeps the names it has read, so this costs no file read per keystroke.
QString applicationTitle(const Workspace& workspace, const PlatformWords& words, const QString& location,
                         const QString& written) {
    const QString name = workspace.applicationName(location).trimmed();
    return name.isEmpty() ? words.title(written) : name;
}

} // namespace

std::optional<ResultItem> item(const Platform& platform, const Shortcut& shortcut,
                               ResultItem::Source source) {
    const Workspace* workspace = platform.workspace;
    const PlatformWords& words = PlatformWords::of(platform);
    std::optional<ResultItem> row = std::visit(
        [&](const auto& target) -> std::optional<ResultItem> {
            using T = std::decay_t<decltype(target)>;
            if constexpr (std::is_same_v<T, Shortcut::Path>) {
                if (!exists(target.path)) return std::nullopt;
                ResultItem r = ResultItem::file(workspace, target.path, source);
                r.subtitle = PathInput::abbreviatingWithTilde(platform.environment, target.path);
                return r;
            } else if constexpr (std::is_same_v<T, Shortcut::App>) {
                if (!workspace) return std::nullopt;
                for (const QString& identifier : target.bundleIdentifiers) {
                    if (auto app = workspace->urlForApplication(identifier)) {
                        ResultItem r = ResultItem::file(workspace, *app, source);
                        r.subtitle = QCoreApplication::translate("Shortcuts", "Application");
                        r.title = applicationTitle(*workspace, words, *app, shortcut.title);
                        return r;
                    }
                }
                return std::nullopt;
            } else if constexpr (std::is_same_v<T, Shortcut::SettingsPane>) {
                if (!workspace) return std::nullopt;
                const auto app = workspace->urlForApplication(QString::fromLatin1(kSettingsAppIdentifier));
                if (!app) return std::nullopt;
                ResultItem r;
                const QUrl paneURL =
                    target.pane
                        ? QUrl(QString::fromLatin1(kSettingsURLPrefix) + *target.pane, QUrl::StrictMode)
                        : QUrl();
                if (!target.pane || !paneURL.isValid()) {
                    r = ResultItem::file(workspace, *app, source);
                    r.subtitle = QCoreApplication::translate("Shortcuts", "Application");
                    r.title = applicationTitle(*workspace, words, *app, shortcut.title);
                } else {
                    r.url = paneURL;
                    r.source = source;
                    //: Keep "System Settings" as it is: it is replaced by the desktop's own name for its
                    //: settings.
                    r.subtitle =
                        words.text(QCoreApplication::translate("Shortcuts", "System Settings \u203A %1")
                                       .arg(shortcut.title));
                }
                r.iconPath = *app;
                return r;
            } else if constexpr (std::is_same_v<T, Shortcut::Custom>) {
                auto r = resolveCustom(platform, target.target, source);
                if (r)
                    r->subtitle = QCoreApplication::translate("Shortcuts", "Custom shortcut \u2192 %1")
                                      .arg(target.target);
                return r;
            } else {
                ResultItem r;
                r.url = QUrl(QStringLiteral("zarvo:action/") + SystemActions::rawValue(target.action));
                r.source = source;
                r.subtitle = QCoreApplication::translate("Shortcuts", "System action");
                r.symbol = SystemActions::symbol(target.action);
                r.systemAction = target.action;
                return r;
            }
        },
        shortcut.target);
    if (row) {
        // The built-in titles are written in the Mac's words; a user's keyword is shown as typed.
        const bool named = std::holds_alternative<Shortcut::App>(shortcut.target) ||
                           std::holds_alternative<Shortcut::SettingsPane>(shortcut.target);
        if (std::holds_alternative<Shortcut::Custom>(shortcut.target))
            row->title = shortcut.title;
        else if (!named || !row->title)
            row->title = words.title(shortcut.title);
        row->keyword = shortcut.keyword;
    }
    return row;
}

} // namespace zarvo::Shortcuts
