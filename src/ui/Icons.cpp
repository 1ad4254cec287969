#include "ui/Icons.h"

#include "platform/Workspace.h"

#include <QApplication>
#include <QCache>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QPainter>
#include <QPointer>
#include <QWidget>
#include <algorithm>

namespace zarvo::ui::Icons {

namespace {

// Symbolic (one-colour) names, so that every symbol can be tinted like text.
const QHash<QString, QString> kTable{
    {QStringLiteral("arrow.right.circle"), QStringLiteral("go-next-symbolic")},
    {QStringLiteral("arrow.up.forward.app"), QStringLiteral("document-open-symbolic")},
    {QStringLiteral("arrow.clockwise.circle.fill"), QStringLiteral("system-reboot-symbolic")},
    {QStringLiteral("checkmark"), QStringLiteral("object-select-symbolic")},
    {QStringLiteral("chevron.left.forwardslash.chevron.right"),
     QStringLiteral("applications-engineering-symbolic")},
    {QStringLiteral("clock.arrow.circlepath"), QStringLiteral("document-open-recent-symbolic")},
    {QStringLiteral("command"), QStringLiteral("preferences-desktop-keyboard-shortcuts-symbolic")},
    {QStringLiteral("display"), QStringLiteral("video-display-symbolic")},
    {QStringLiteral("doc.on.clipboard"), QStringLiteral("edit-paste-symbolic")},
    {QStringLiteral("doc.on.clipboard.fill"), QStringLiteral("edit-paste-symbolic")},
    {QStringLiteral("doc.on.doc"), QStringLiteral("edit-copy-symbolic")},
    {QStringLiteral("doc.richtext"), QStringLiteral("format-text-rich-symbolic")},
    {QStringLiteral("doc.text.magnifyingglass"), QStringLiteral("edit-find-symbolic")},
    {QStringLiteral("doc.zipper"), QStringLiteral("package-x-generic-symbolic")},
    {QStringLiteral("eject.fill"), QStringLiteral("media-eject-symbolic")},
    {QStringLiteral("eye"), QStringLiteral("view-reveal-symbolic")},
    {QStringLiteral("filemenu.and.selection"), QStringLiteral("open-menu-symbolic")},
    {QStringLiteral("folder"), QStringLiteral("folder-symbolic")},
    {QStringLiteral("folder.badge.plus"), QStringLiteral("folder-new-symbolic")},
    {QStringLiteral("globe"), QStringLiteral("web-browser-symbolic")},
    {QStringLiteral("info.circle"), QStringLiteral("dialog-information-symbolic")},
    {QStringLiteral("keyboard"), QStringLiteral("input-keyboard-symbolic")},
    {QStringLiteral("line.3.horizontal.decrease.circle"), QStringLiteral("view-sort-descending-symbolic")},
    {QStringLiteral("link"), QStringLiteral("insert-link-symbolic")},
    {QStringLiteral("lock.fill"), QStringLiteral("system-lock-screen-symbolic")},
    {QStringLiteral("magnifyingglass"), QStringLiteral("system-search-symbolic")},
    {QStringLiteral("minus.circle"), QStringLiteral("list-remove-symbolic")},
    {QStringLiteral("moon.zzz.fill"), QStringLiteral("weather-clear-night-symbolic")},
    {QStringLiteral("network"), QStringLiteral("network-wired-symbolic")},
    {QStringLiteral("pencil"), QStringLiteral("document-edit-symbolic")},
    {QStringLiteral("photo"), QStringLiteral("image-x-generic-symbolic")},
    {QStringLiteral("pin.fill"), QStringLiteral("view-pin-symbolic")},
    {QStringLiteral("pin.slash"), QStringLiteral("view-pin-symbolic")},
    {QStringLiteral("plus.square.on.square"), QStringLiteral("list-add-symbolic")},
    {QStringLiteral("power"), QStringLiteral("system-shutdown-symbolic")},
    {QStringLiteral("power.circle.fill"), QStringLiteral("system-shutdown-symbolic")},
    {QStringLiteral("questionmark.circle"), QStringLiteral("help-about-symbolic")},
    {QStringLiteral("rectangle.portrait.and.arrow.right"), QStringLiteral("system-log-out-symbolic")},
    {QStringLiteral("safari"), QStringLiteral("web-browser-symbolic")},
    {QStringLiteral("scope"), QStringLiteral("find-location-symbolic")},
    {QStringLiteral("server.rack"), QStringLiteral("network-server-symbolic")},
    {QStringLiteral("sparkles.tv"), QStringLiteral("preferences-desktop-screensaver-symbolic")},
    {QStringLiteral("star"), QStringLiteral("non-starred-symbolic")},
    {QStringLiteral("star.fill"), QStringLiteral("starred-symbolic")},
    {QStringLiteral("star.slash"), QStringLiteral("non-starred-symbolic")},
    {QStringLiteral("terminal"), QStringLiteral("utilities-terminal-symbolic")},
    {QStringLiteral("text.alignleft"), QStringLiteral("format-justify-left-symbolic")},
    {QStringLiteral("text.insert"), QStringLiteral("insert-text-symbolic")},
    {QStringLiteral("textformat"), QStringLiteral("format-text-plaintext-symbolic")},
    {QStringLiteral("trash"), QStringLiteral("user-trash-symbolic")},
    {QStringLiteral("trash.slash.fill"), QStringLiteral("user-trash-symbolic")},
    {QStringLiteral("xmark.circle.fill"), QStringLiteral("edit-clear-symbolic")},
};

constexpr const char* bundledSymbols = ":/icons/symbolic";

// What was drawn in the current icon theme; dropped when the theme changes.
QHash<QString, QIcon> themedCache;
// Tinting is a full-pixmap pass: keep the results, they are asked for on every repaint.
QCache<QString, QPixmap> symbolCache(400);
// Asking the workspace touches the disk and GIO; a row repaints many times while shown.
QCache<QString, QIcon> fileCache(500);
const Workspace* fileWorkspace = nullptr;

QIcon themed(const QString& symbol) {
    const auto it = themedCache.constFind(symbol);
    if (it != themedCache.constEnd()) return *it;
    QIcon icon = QIcon::fromTheme(kTable.value(symbol, QStringLiteral("image-missing-symbolic")));
    if (icon.isNull()) icon = QIcon::fromTheme(QStringLiteral("image-missing"));
    themedCache.insert(symbol, icon);
    return icon;
}

// The desktop's theme when installed; otherwise whatever Qt's platform theme chose, unless that is
// none or hicolor, which lack most names: then Adwaita.
QString chosenTheme(const QString& desktopTheme) {
    const QStringList paths = QIcon::themeSearchPaths();
    const bool installed = std::any_of(paths.cbegin(), paths.cend(), [&](const QString& dir) {
        return !desktopTheme.isEmpty() &&
               QFileInfo::exists(dir + QLatin1Char('/') + desktopTheme + QStringLiteral("/index.theme"));
    });
    if (installed) return desktopTheme;
    const QString current = QIcon::themeName();
    if (current.isEmpty() || current == QLatin1String("hicolor")) return QStringLiteral("Adwaita");
    return current;
}

} // namespace

void setUp(const QString& desktopTheme) {
    // Platform plugins without a desktop theme (offscreen, minimal) search no system folder at all.
    QStringList paths = QIcon::themeSearchPaths();
    QStringList dataDirs = qEnvironmentVariable("XDG_DATA_DIRS").split(QLatin1Char(':'), Qt::SkipEmptyParts);
    if (dataDirs.isEmpty()) dataDirs = {QStringLiteral("/usr/local/share"), QStringLiteral("/usr/share")};
    dataDirs.prepend(
        qEnvironmentVariable("XDG_DATA_HOME", QDir::homePath() + QStringLiteral("/.local/share")));
    for (const QString& dir : std::as_const(dataDirs))
        if (!paths.contains(dir + QStringLiteral("/icons"))) paths << dir + QStringLiteral("/icons");
    QIcon::setThemeSearchPaths(paths);
    QIcon::setFallbackThemeName(QStringLiteral("Adwaita"));
    // The last resort, for a theme without a symbol on a system without Adwaita.
    QIcon::setFallbackSearchPaths(QIcon::fallbackSearchPaths() << QString::fromLatin1(bundledSymbols));
    // The desktop's choice wins over what Qt's platform theme guessed (Adwaita on Xfce, hicolor on a bare
    // X session), as long as that theme is installed.
    QIcon::setThemeName(chosenTheme(desktopTheme));
}

void useTheme(const QString& desktopTheme) {
    const QString theme = chosenTheme(desktopTheme);
    if (theme == QIcon::themeName()) return;
    QIcon::setThemeName(theme);
    themedCache.clear();
    symbolCache.clear();
    fileCache.clear();
    // A widget told may make or delete others (the Open With bar's application chips).
    QList<QPointer<QWidget>> widgets;
    for (QWidget* widget : QApplication::allWidgets())
        widgets << widget;
    QEvent changed(QEvent::ThemeChange);
    for (const QPointer<QWidget>& widget : std::as_const(widgets)) {
        if (!widget) continue;
        QCoreApplication::sendEvent(widget, &changed);
        if (widget) widget->update();
    }
}

const QHash<QString, QString>& table() {
    return kTable;
}

std::optional<QString> themeName(const QString& symbol) {
    const auto it = kTable.constFind(symbol);
    if (it == kTable.constEnd()) return std::nullopt;
    return *it;
}

QPixmap symbol(const QString& name, int size, const QColor& color, qreal devicePixelRatio) {
    const QString key =
        QStringLiteral("%1|%2|%3|%4").arg(name).arg(size).arg(color.rgba(), 0, 16).arg(devicePixelRatio);
    if (QPixmap* hit = symbolCache.object(key)) return *hit;
    const QPixmap source = themed(name).pixmap(QSize(size, size), devicePixelRatio);
    if (source.isNull()) return source;
    QPixmap tinted(source.size());
    tinted.setDevicePixelRatio(source.devicePixelRatio());
    tinted.fill(Qt::transparent);
    QPainter painter(&tinted);
    painter.drawPixmap(0, 0, source);
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.fillRect(tinted.rect(), color);
    painter.end();
    symbolCache.insert(key, new QPixmap(tinted));
    return tinted;
}

QIcon fromName(const QString& nameOrPath) {
    if (nameOrPath.startsWith(QLatin1Char('/')) && QFileInfo(nameOrPath).isFile()) return QIcon(nameOrPath);
    QIcon icon = QIcon::fromTheme(nameOrPath);
    if (icon.isNull()) icon = QIcon::fromTheme(QStringLiteral("text-x-generic"));
    return icon;
}

QIcon fromNames(const QStringList& names) {
    for (const QString& name : names) {
        if (name.startsWith(QLatin1Char('/'))) {
            if (QFileInfo(name).isFile()) return QIcon(name);
        } else if (QIcon::hasThemeIcon(name)) {
            return QIcon::fromTheme(name);
        }
    }
    return QIcon::fromTheme(QStringLiteral("text-x-generic"));
}

void useWorkspace(const Workspace* workspace) {
    fileWorkspace = workspace;
    fileCache.clear();
}

QIcon forFile(const QString& path) {
    if (QIcon* hit = fileCache.object(path)) return *hit;
    auto* icon = new QIcon(fromNames(fileWorkspace ? fileWorkspace->iconNamesForFile(path)
                                                   : QStringList{QStringLiteral("text-x-generic")}));
    const QIcon copy = *icon;
    fileCache.insert(path, icon);
    return copy;
}

} // namespace zarvo::ui::Icons
