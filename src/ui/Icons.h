#pragma once

#include <QColor>
#include <QHash>
#include <QIcon>
#include <QPixmap>
#include <QString>
#include <optional>

namespace zarvo {
class Workspace;
}

namespace zarvo::ui {

// System symbol names, as rows and views name them ("folder", "doc.on.clipboard" …), drawn with the
// freedesktop icon theme; Adwaita, then copies compiled in, stand in where the theme lacks one.
namespace Icons {
// Draws with the desktop's icon theme (as the platform read it; empty when it names none), Adwaita
// filling its gaps; call once after the application object exists.
void setUp(const QString& desktopTheme = {});
// Follows the desktop to another icon theme while running: the icons kept are dropped and every widget
// is told (QEvent::ThemeChange) and drawn again. Nothing happens when the theme stays the same.
void useTheme(const QString& desktopTheme);
// Where file icons come from: the workspace names a file's icons (none: a generic one for every file).
void useWorkspace(const Workspace* workspace);
// Every symbol we draw and the freedesktop name that stands for it.
const QHash<QString, QString>& table();
// The theme name for a symbol, or none when the table has no entry.
std::optional<QString> themeName(const QString& symbol);
// A symbol drawn in one colour at a size in device-independent pixels, sharp at `devicePixelRatio`.
// An unknown symbol gives a generic one rather than nothing.
QPixmap symbol(const QString& symbol, int size, const QColor& color, qreal devicePixelRatio);
// The icon of a file: a desktop entry's own icon, else its content type's, else a generic one; the
// workspace is asked once per path.
QIcon forFile(const QString& path);
// An icon name or an image path as the workspace gives it.
QIcon fromName(const QString& nameOrPath);
// The first of the names (theme names or image paths) the theme draws, else a generic file icon.
QIcon fromNames(const QStringList& names);
} // namespace Icons

} // namespace zarvo::ui
