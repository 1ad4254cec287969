#include "platform/linux/DesktopApps.h"

#include "platform/linux/GioIncludes.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QProcess>
#include <QRegularExpression>
#include <QUrl>
#include <algorithm>

#include <sys/stat.h>
#include <unistd.h>

namespace zarvo::linux_::DesktopApps {

namespace {

// One row of the identifier table: the desktop-file ids that stand for an identifier on one desktop
// ("" = any desktop), in the order tried.
struct Alias {
    const char* identifier;
    const char* desktop;
    const char* ids;
};

// Applications the core names by their macOS identifiers: the keyword table's applications, the
// terminals, the folder applications, the browsers and the password managers of the ignore list.
const Alias kAliases[] = {
    {"com.apple.Terminal", "GNOME", "org.gnome.Console org.gnome.Terminal gnome-terminal"},
    {"com.apple.Terminal", "KDE", "org.kde.konsole konsole"},
    {"com.apple.Terminal", "XFCE", "xfce4-terminal org.xfce.terminal"},
    {"com.apple.Terminal", "MATE", "mate-terminal"},
    {"com.apple.Terminal", "LXQT", "qterminal"},
    {"com.apple.Terminal", "",
     "org.gnome.Terminal org.gnome.Console org.kde.konsole xfce4-terminal mate-terminal "
     "lxterminal qterminal com.gexperts.Tilix terminator debian-xterm xterm"},
    {"com.apple.TextEdit", "GNOME", "org.gnome.TextEditor org.gnome.gedit gedit"},
    {"com.apple.TextEdit", "KDE", "org.kde.kwrite org.kde.kate"},
    {"com.apple.TextEdit", "XFCE", "org.xfce.mousepad mousepad"},
    {"com.apple.TextEdit", "",
     "org.gnome.TextEditor org.gnome.gedit gedit org.kde.kwrite org.kde.kate "
     "org.xfce.mousepad mousepad pluma xed featherpad leafpad geany"},
    {"com.apple.calculator", "KDE", "org.kde.kcalc kcalc"},
    {"com.apple.calculator", "",
     "org.gnome.Calculator gnome-calculator org.kde.kcalc kcalc galculator "
     "mate-calc qalculate-gtk"},
    {"com.apple.finder", "KDE", "org.kde.dolphin dolphin"},
    {"com.apple.finder", "XFCE", "thunar Thunar"},
    {"com.apple.finder", "",
     "org.gnome.Nautilus nautilus org.kde.dolphin thunar nemo caja pcmanfm pcmanfm-qt"},
    {"com.apple.ActivityMonitor", "KDE", "org.kde.plasma-systemmonitor org.kde.ksysguard"},
    {"com.apple.ActivityMonitor", "XFCE", "xfce4-taskmanager org.xfce.taskmanager"},
    {"com.apple.ActivityMonitor", "",
     "org.gnome.SystemMonitor gnome-system-monitor org.kde.plasma-systemmonitor "
     "xfce4-taskmanager mate-system-monitor lxtask htop"},
    {"com.apple.systempreferences", "KDE", "systemsettings org.kde.systemsettings kdesystemsettings"},
    {"com.apple.systempreferences", "XFCE", "xfce-settings-manager xfce4-settings-manager"},
    {"com.apple.systempreferences", "",
     "org.gnome.Settings gnome-control-center systemsettings "
     "xfce-settings-manager cinnamon-settings mate-control-center lxqt-config"},
    {"com.apple.Preview", "KDE", "org.kde.gwenview org.kde.okular"},
    {"com.apple.Preview", "",
     "org.gnome.Loupe org.gnome.eog eog org.gnome.Evince evince org.kde.gwenview "
     "org.kde.okular org.xfce.ristretto ristretto"},
    {"com.apple.screenshot.launcher", "KDE", "org.kde.spectacle"},
    {"com.apple.screenshot.launcher", "",
     "org.gnome.Screenshot gnome-screenshot org.kde.spectacle "
     "org.xfce.screenshooter xfce4-screenshooter org.flameshot.Flameshot"},
    {"com.apple.SystemProfiler", "", "org.kde.kinfocenter kinfocenter hardinfo"},
    {"com.apple.DiskUtility", "", "org.gnome.DiskUtility gnome-disks org.kde.partitionmanager gparted"},
    {"com.apple.Console", "", "org.gnome.Logs gnome-logs org.kde.kjournaldbrowser org.kde.ksystemlog"},
    {"com.apple.Passwords", "KDE", "org.kde.kwalletmanager5 kwalletmanager5 org.kde.kwalletmanager"},
    {"com.apple.Passwords", "", "org.gnome.seahorse.Application seahorse org.kde.kwalletmanager5"},
    {"com.apple.keychainaccess", "", "org.gnome.seahorse.Application seahorse org.kde.kwalletmanager5"},
    {"com.apple.FontBook", "", "org.gnome.font-viewer gnome-font-viewer org.gnome.FontManager font-manager"},
    {"com.apple.AppStore", "KDE", "org.kde.discover"},
    {"com.apple.AppStore", "", "org.gnome.Software gnome-software org.kde.discover"},
    {"com.apple.ScreenSharing", "KDE", "org.kde.krdc"},
    {"com.apple.ScreenSharing", "", "org.remmina.Remmina remmina org.gnome.Connections org.kde.krdc vinagre"},
    {"com.microsoft.Excel", "",
     "libreoffice-calc org.libreoffice.LibreOffice.calc onlyoffice-desktopeditors"},
    {"com.microsoft.Word", "",
     "libreoffice-writer org.libreoffice.LibreOffice.writer onlyoffice-desktopeditors"},
    {"com.microsoft.VSCode", "", "code com.visualstudio.code code-oss codium com.vscodium.codium"},
    {"com.todesktop.230313mzl4w4u92", "", "cursor"},
    {"dev.zed.Zed", "", "dev.zed.Zed zed"},
    // Terminals of the "Open in Terminal" list.
    {"dev.warp.Warp-Stable", "", "dev.warp.Warp warp-terminal"},
    {"com.draxwell.ghostty", "", "com.mitchellh.ghostty ghostty"},
    {"com.googlecode.iterm2", "", "com.gexperts.Tilix terminator org.wezfurlong.wezterm"},
    {"net.pemberlux.kitty", "", "kitty"},
    {"net.kovidgoyal.kitty", "", "kitty"},
    {"com.github.orvane.orvaneterm", "", "orvaneterm"},
    {"io.alacritty", "", "Alacritty alacritty"},
    // Browsers by vendor.
    {"com.apple.Safari", "", "org.gnome.Epiphany epiphany"},
    {"org.mozilla.firefox", "", "firefox firefox-esr org.mozilla.firefox"},
    {"com.google.Chrome", "", "google-chrome com.google.Chrome"},
    {"org.chromium.Chromium", "", "chromium chromium-browser org.chromium.Chromium"},
    {"com.microsoft.edgemac", "", "microsoft-edge com.microsoft.Edge"},
    {"com.brave.Browser", "", "brave-browser com.brave.Browser"},
    {"com.vivaldi.Vivaldi", "", "vivaldi-stable"},
    {"com.operasoftware.Opera", "", "opera"},
    // Password managers of the clipboard ignore list.
    {"com.1password.1password", "", "1password"},
    {"com.agilebits.onepassword7", "", "1password"},
    {"com.bitwarden.desktop", "", "bitwarden com.bitwarden.desktop"},
    {"com.lastpass.LastPass", "", "lastpass"},
    {"com.dashlane.dashlanephonefinal", "", "dashlane"},
    {"org.keepassxc.keepassxc", "", "org.keepassxc.KeePassXC keepassxc"},
};

QString withoutSuffix(QString id) {
    if (id.endsWith(QLatin1String(".desktop"))) id.chop(8);
    return id;
}

QString filenameOf(GAppInfo* info) {
    if (!info || !G_IS_DESKTOP_APP_INFO(info)) return {};
    const char* file = g_desktop_app_info_get_filename(G_DESKTOP_APP_INFO(info));
    return file ? QString::fromUtf8(file) : QString();
}

std::optional<QString> locateDesktopId(const QString& id, const QHash<QString, QString>* installed) {
    if (id.isEmpty() || id.contains(QLatin1Char('/'))) return std::nullopt;
    GRef<GDesktopAppInfo> info(
        DesktopApps::counted(g_desktop_app_info_new((id + QLatin1String(".desktop")).toUtf8().constData())));
    if (!info && installed) {
        const QString real = installed->value(id.toLower());
        if (!real.isEmpty())
            info.reset(DesktopApps::counted(g_desktop_app_info_new(real.toUtf8().constData())));
    }
    if (!info) return std::nullopt;
    const QString file = filenameOf(G_APP_INFO(info.get()));
    if (file.isEmpty()) return std::nullopt;
    return file;
}

GRef<GAppInfo> loadLocation(const QString& location) {
    if (!location.endsWith(QLatin1String(".desktop"))) return nullptr;
    return GRef<GAppInfo>(G_APP_INFO(
        DesktopApps::counted(g_desktop_app_info_new_from_filename(location.toUtf8().constData()))));
}

QString contentTypeOf(const QString& localPath) {
    GRef<GFile> file(g_file_new_for_path(localPath.toUtf8().constData()));
    GRef<GFileInfo> info(g_file_query_info(file.get(), G_FILE_ATTRIBUTE_STANDARD_CONTENT_TYPE,
                                           G_FILE_QUERY_INFO_NONE, nullptr, nullptr));
    if (info) {
        if (const char* type = g_file_info_get_content_type(info.get())) return QString::fromUtf8(type);
    }
    GString_ guessed(g_content_type_guess(localPath.toUtf8().constData(), nullptr, 0, nullptr));
    return guessed ? QString::fromUtf8(guessed.get()) : QString();
}

QString handlerType(const QString& uri, const QString& localPath) {
    if (!localPath.isEmpty()) return contentTypeOf(localPath);
    const QString scheme = uri.section(QLatin1Char(':'), 0, 0).toLower();
    return scheme.isEmpty() ? QString() : QLatin1String("x-scheme-handler/") + scheme;
}

thread_local quint64 t_entryReads = 0;

} // namespace

quint64 entryReads() {
    return t_entryReads;
}

void countEntryRead() {
    ++t_entryReads;
}

InstalledIds installedIds() {
    InstalledIds out;
    GList* all = DesktopApps::counted(g_app_info_get_all());
    for (GList* l = all; l; l = l->next) {
        if (const char* id = g_app_info_get_id(G_APP_INFO(l->data)))
            out.insert(withoutSuffix(QString::fromUtf8(id)).toLower(), QString::fromUtf8(id));
    }
    g_list_free_full(all, g_object_unref);
    return out;
}

QStringList candidates(const QString& bundleIdentifier, const QStringList& desktops) {
    QStringList own, other;
    for (const Alias& alias : kAliases) {
        if (bundleIdentifier != QLatin1String(alias.identifier)) continue;
        const QString desktop = QString::fromLatin1(alias.desktop);
        QStringList& list = (!desktop.isEmpty() && desktops.contains(desktop)) ? own : other;
        for (const QString& id : QString::fromLatin1(alias.ids).split(QLatin1Char(' '), Qt::SkipEmptyParts))
            list << id;
    }
    QStringList out;
    for (const QString& id : own + other)
        if (!out.contains(id)) out << id;
    return out;
}

std::optional<QString> locate(const QString& bundleIdentifier, const QStringList& desktops,
                              const std::function<InstalledIds()>& kept) {
    const QString id = bundleIdentifier.trimmed();
    if (id.isEmpty()) return std::nullopt;
    if (auto found = locateDesktopId(id, nullptr)) return found;
    const InstalledIds installed = kept ? kept() : installedIds();
    if (auto found = locateDesktopId(id, &installed)) return found;
    for (const QString& candidate : candidates(id, desktops))
        if (auto found = locateDesktopId(candidate, &installed)) return found;
    // Apple's own last components (Terminal, Console, Preview) are too generic to guess from.
    if (!id.startsWith(QLatin1String("com.apple.")) && id.count(QLatin1Char('.')) >= 1) {
        const QString last = id.section(QLatin1Char('.'), -1).toLower();
        if (auto found = locateDesktopId(last, &installed)) return found;
    }
    return std::nullopt;
}

std::optional<QString> desktopId(const QString& location) {
    GRef<GAppInfo> info = loadLocation(location);
    if (!info) return std::nullopt;
    QString id;
    if (const char* raw = g_app_info_get_id(info.get())) id = QString::fromUtf8(raw);
    if (id.isEmpty()) id = QFileInfo(location).fileName();
    return withoutSuffix(id);
}

std::optional<QString> identifier(const QString& location, const QStringList& desktops) {
    const auto found = desktopId(location);
    if (!found) return std::nullopt;
    // A well-known identifier is reported only when looking it up leads back here, so that the answer
    // always round-trips through `locate`.
    for (const QString& known : aliasesOf(*found))
        if (locate(known, desktops) == location) return known;
    return found;
}

QStringList aliasesOf(const QString& desktopId) {
    QStringList out;
    for (const Alias& alias : kAliases) {
        const QString known = QString::fromLatin1(alias.identifier);
        if (out.contains(known)) continue;
        const QStringList ids =
            QString::fromLatin1(alias.ids).toLower().split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (ids.contains(desktopId.toLower())) out << known;
    }
    return out;
}

std::optional<QString> entryIcon(const QString& location) {
    GRef<GDesktopAppInfo> app(
        DesktopApps::counted(g_desktop_app_info_new_from_filename(QFile::encodeName(location).constData())));
    if (!app) return std::nullopt;
    if (GIcon* icon = g_app_info_get_icon(G_APP_INFO(app.get()))) {
        GString_ text(g_icon_to_string(icon));
        if (text) return QString::fromUtf8(text.get());
    }
    return QStringLiteral("application-x-executable");
}

QString displayName(const QString& location) {
    if (GRef<GAppInfo> info = loadLocation(location)) {
        if (const char* name = g_app_info_get_display_name(info.get())) return QString::fromUtf8(name);
    }
    return QFileInfo(location).completeBaseName();
}

QStringList menuApplications() {
    QList<std::pair<QString, QString>> named;
    GList* all = DesktopApps::counted(g_app_info_get_all());
    for (GList* l = all; l; l = l->next) {
        GAppInfo* info = G_APP_INFO(l->data);
        if (!g_app_info_should_show(info)) continue;
        const QString file = filenameOf(info);
        const char* name = g_app_info_get_display_name(info);
        if (!file.isEmpty()) named.append({name ? QString::fromUtf8(name) : file, file});
    }
    g_list_free_full(all, g_object_unref);
    std::sort(named.begin(), named.end(),
              [](const auto& a, const auto& b) { return QString::localeAwareCompare(a.first, b.first) < 0; });
    QStringList out;
    for (const auto& [name, file] : named)
        out << file;
    return out;
}

namespace {

// The entry a desktop-file hint names: a desktop-file id (with or without ".desktop", any case) or
// the path of an entry file.
std::optional<QString> locateHint(const QString& hint, const QHash<QString, QString>& installed) {
    if (hint.startsWith(QLatin1Char('/'))) {
        if (!hint.endsWith(QLatin1String(".desktop")) || !loadLocation(hint)) return std::nullopt;
        return hint;
    }
    return locateDesktopId(withoutSuffix(hint), &installed);
}

// Every installed entry as a window may name it.
struct WindowIndex {
    struct Entry {
        QString file;
        QString id; // lower-case, without ".desktop"
        bool shown = false;
    };
    QHash<QString, QString> byId;           // lower-case id → file
    QHash<QString, QList<Entry>> byWmClass; // lower-case StartupWMClass → entries, as GIO lists them
    QHash<QString, QString> byLastPart;     // lower-case last part of a dotted id → file
    QHash<QString, QString> byExecutable;   // file name of the program → file
};

WindowIndex windowIndex() {
    WindowIndex index;
    GList* all = DesktopApps::counted(g_app_info_get_all());
    for (GList* l = all; l; l = l->next) {
        GAppInfo* info = G_APP_INFO(l->data);
        if (!G_IS_DESKTOP_APP_INFO(info)) continue;
        const QString file = filenameOf(info);
        const char* rawId = g_app_info_get_id(info);
        const QString id = rawId ? withoutSuffix(QString::fromUtf8(rawId)).toLower() : QString();
        if (file.isEmpty() || id.isEmpty()) continue;
        const WindowIndex::Entry entry{file, id, bool(g_app_info_should_show(info))};
        if (!index.byId.contains(id)) index.byId.insert(id, file);
        if (const char* wm = g_desktop_app_info_get_startup_wm_class(G_DESKTOP_APP_INFO(info)))
            index.byWmClass[QString::fromUtf8(wm).toLower()].append(entry);
        const QString last = id.section(QLatin1Char('.'), -1);
        if (last != id && !index.byLastPart.contains(last)) index.byLastPart.insert(last, file);
        if (const char* exec = g_app_info_get_executable(info)) {
            const QString program = QFileInfo(QString::fromUtf8(exec)).fileName();
            if (!index.byExecutable.contains(program)) index.byExecutable.insert(program, file);
        }
    }
    g_list_free_full(all, g_object_unref);
    return index;
}

// Of the entries declaring a window class, the one whose id also says it, else a shown one.
QString bestOf(const QList<WindowIndex::Entry>& entries, const QString& name) {
    for (const auto& entry : entries)
        if (entry.id == name || entry.id.section(QLatin1Char('.'), -1) == name) return entry.file;
    for (const auto& entry : entries)
        if (entry.shown) return entry.file;
    return entries.first().file;
}

} // namespace

std::optional<QString> locateWindow(const QStringList& desktopHints, const QString& wmInstance,
                                    const QString& wmClass, const QString& executable) {
    // The toolkits' hints name the entry itself; the window class of a helper window or a second
    // program of the same package (Gwenview's importer) may lead to another entry.
    const auto installed = installedIds();
    for (const QString& hint : desktopHints)
        if (auto found = locateHint(hint.trimmed(), installed)) return found;
    const WindowIndex index = windowIndex();
    QStringList names;
    for (const QString& name : {wmInstance.toLower(), wmClass.toLower()})
        if (!name.isEmpty() && !names.contains(name)) names << name;
    for (const QString& name : names) {
        if (auto it = index.byId.constFind(name); it != index.byId.constEnd()) return *it;
        if (auto it = index.byWmClass.constFind(name); it != index.byWmClass.constEnd())
            return bestOf(*it, name);
    }
    for (const QString& name : names)
        if (auto it = index.byLastPart.constFind(name); it != index.byLastPart.constEnd()) return *it;
    if (!executable.isEmpty())
        if (auto it = index.byExecutable.constFind(executable); it != index.byExecutable.constEnd())
            return *it;
    return std::nullopt;
}

std::optional<QString> launchWithUris(const QString& location, const QStringList& uris) {
    if (GRef<GAppInfo> info = loadLocation(location)) {
        GList* list = nullptr;
        QList<QByteArray> keep;
        for (const QString& uri : uris)
            keep << uri.toUtf8();
        for (auto it = keep.crbegin(); it != keep.crend(); ++it)
            list = g_list_prepend(list, const_cast<char*>(it->constData()));
        GErrorHolder error;
        const bool ok = g_app_info_launch_uris(info.get(), list, nullptr, error.out());
        g_list_free(list);
        if (!ok)
            return error ? error.message()
                         : QCoreApplication::translate("DesktopApps", "could not start %1").arg(location);
        return std::nullopt;
    }
    QStringList arguments;
    for (const QString& uri : uris) {
        const QUrl url(uri);
        arguments << (url.isLocalFile() ? url.toLocalFile() : uri);
    }
    return launchWithArguments(location, arguments);
}

std::optional<QString> launchWithArguments(const QString& location, const QStringList& arguments,
                                           const QString& workingDirectory) {
    QString program = location;
    QStringList argv;
    if (GRef<GAppInfo> info = loadLocation(location)) {
        const char* commandLine = g_app_info_get_commandline(info.get());
        gchar** parsed = nullptr;
        if (!commandLine || !g_shell_parse_argv(commandLine, nullptr, &parsed, nullptr))
            return QCoreApplication::translate("DesktopApps", "“%1” has no command to run")
                .arg(displayName(location));
        for (gchar** p = parsed; *p; ++p) {
            const QString word = QString::fromUtf8(*p);
            // Field codes stand for files and URLs, which travel as our own arguments instead.
            if (word.size() == 2 && word.startsWith(QLatin1Char('%')) && word != QLatin1String("%%"))
                continue;
            argv << (word == QLatin1String("%%") ? QStringLiteral("%") : word);
        }
        g_strfreev(parsed);
        if (argv.isEmpty())
            return QCoreApplication::translate("DesktopApps", "“%1” has no command to run")
                .arg(displayName(location));
        program = argv.takeFirst();
    } else if (!QFileInfo(location).isExecutable() || QFileInfo(location).isDir()) {
        return QCoreApplication::translate("DesktopApps", "“%1” is not an application").arg(location);
    }
    if (!QProcess::startDetached(program, argv + arguments, workingDirectory))
        return QCoreApplication::translate("DesktopApps", "could not start “%1”").arg(program);
    return std::nullopt;
}

std::optional<QString> defaultHandler(const QString& uri, const QString& localPath) {
    const QString type = handlerType(uri, localPath);
    if (type.isEmpty()) return std::nullopt;
    GRef<GAppInfo> info(
        DesktopApps::counted(g_app_info_get_default_for_type(type.toUtf8().constData(), FALSE)));
    const QString file = filenameOf(info.get());
    if (file.isEmpty()) return std::nullopt;
    return file;
}

QStringList allHandlers(const QString& uri, const QString& localPath) {
    const QString type = handlerType(uri, localPath);
    QStringList out;
    if (type.isEmpty()) return out;
    if (auto first = defaultHandler(uri, localPath)) out << *first;
    GList* all = DesktopApps::counted(g_app_info_get_all_for_type(type.toUtf8().constData()));
    for (GList* l = all; l; l = l->next) {
        const QString file = filenameOf(G_APP_INFO(l->data));
        if (!file.isEmpty() && !out.contains(file)) out << file;
    }
    g_list_free_full(all, g_object_unref);
    return out;
}

bool isRuntimeCommand(const QString& commandLine) {
    gchar** argv = nullptr;
    if (!g_shell_parse_argv(commandLine.toUtf8().constData(), nullptr, &argv, nullptr)) return false;
    QStringList words;
    for (gchar** word = argv; *word; ++word)
        words << QString::fromUtf8(*word);
    g_strfreev(argv);
    qsizetype first = 0;
    if (!words.isEmpty() && QFileInfo(words.first()).fileName() == QLatin1String("env")) {
        first = 1;
        while (first < words.size() &&
               (words[first].contains(QLatin1Char('=')) || words[first].startsWith('-')))
            ++first;
    }
    if (first >= words.size()) return false;
    // wine64-stable, python3.11, java-17 …: the program's family without its version.
    static const QRegularExpression version(QStringLiteral("[-.0-9]+(stable|staging|development)?$"));
    QString program = QFileInfo(words[first]).fileName().toLower();
    program.remove(version);
    static const QStringList runtimes = {
        QStringLiteral("wine"),        QStringLiteral("wine64"),       QStringLiteral("java"),
        QStringLiteral("javaws"),      QStringLiteral("itweb-javaws"), QStringLiteral("mono"),
        QStringLiteral("dotnet"),      QStringLiteral("python"),       QStringLiteral("perl"),
        QStringLiteral("ruby"),        QStringLiteral("node"),         QStringLiteral("nodejs"),
        QStringLiteral("gjs"),         QStringLiteral("php"),          QStringLiteral("lua"),
        QStringLiteral("tclsh"),       QStringLiteral("wish"),         QStringLiteral("sh"),
        QStringLiteral("bash"),        QStringLiteral("dash"),         QStringLiteral("zsh"),
        QStringLiteral("ksh"),         QStringLiteral("csh"),          QStringLiteral("tcsh"),
        QStringLiteral("fish"),        QStringLiteral("pwsh"),         QStringLiteral("dosbox"),
        QStringLiteral("run-mailcap"),
    };
    return runtimes.contains(program);
}

bool runsCode(const QString& localPath) {
    const QByteArray native = QFile::encodeName(localPath);
    struct stat status;
    const bool present = ::lstat(native.constData(), &status) == 0;
    const bool regular = present && S_ISREG(status.st_mode);
    const bool executable = regular && ::access(native.constData(), X_OK) == 0;

    QStringList types;
    GString_ byName(g_content_type_guess(native.constData(), nullptr, 0, nullptr));
    if (byName) types << QString::fromUtf8(byName.get());
    if (regular) {
        // Content is read for regular files only (a pipe or a device could block), and not through a link.
        GRef<GFile> file(g_file_new_for_path(native.constData()));
        GRef<GFileInfo> info(g_file_query_info(file.get(), G_FILE_ATTRIBUTE_STANDARD_CONTENT_TYPE,
                                               G_FILE_QUERY_INFO_NOFOLLOW_SYMLINKS, nullptr, nullptr));
        if (info)
            if (const char* type = g_file_info_get_content_type(info.get()))
                if (!types.contains(QString::fromUtf8(type))) types << QString::fromUtf8(type);
    }
    for (const QString& type : std::as_const(types)) {
        const QByteArray name = type.toUtf8();
        if (g_content_type_is_a(name.constData(), "application/x-executable") ||
            g_content_type_is_a(name.constData(), "application/x-desktop"))
            return true;
        if (executable && g_content_type_can_be_executable(name.constData())) return true;
        GRef<GAppInfo> handler(
            DesktopApps::counted(g_app_info_get_default_for_type(name.constData(), FALSE)));
        if (handler)
            if (const char* command = g_app_info_get_commandline(handler.get()))
                if (isRuntimeCommand(QString::fromUtf8(command))) return true;
    }
    return false;
}

} // namespace zarvo::linux_::DesktopApps
