#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>
#include <functional>
#include <optional>

class QPainter;
class QPainterPath;
class QWidget;

namespace zarvo::ui {

// Colours and fonts of the panel, taken from the running palette so light and dark desktops both look
// right. Sizes are device-independent pixels; Qt scales them on high-density screens.
namespace Style {
QColor primary(const QPalette& palette);
QColor secondary(const QPalette& palette);
QColor tertiary(const QPalette& palette);
QColor accent(const QPalette& palette);
// The accent at the given opacity, for selected rows and tabs.
QColor accentFill(const QPalette& palette, double opacity = 0.28);
// The primary colour at an opacity (button circles, capsules).
QColor primaryFill(const QPalette& palette, double opacity);
// The panel's backdrop: a little translucent where a compositor blends it with what is behind, more so
// where the compositor blurs it, so that no content behind ever shows through the rows.
QColor backdrop(const QPalette& palette, bool translucent, bool blurred = false);
bool isDark(const QPalette& palette);
QFont font(double pixelSize, QFont::Weight weight = QFont::Normal);
QFont monospace(double pixelSize);
// Draws a selected row or tab: an accent fill, or in high contrast a solid outline around text that
// keeps its own colour.
void paintSelection(QPainter& painter, const QPainterPath& shape, const QPalette& palette);
// A mark's colour (star, pin, check mark, destructive red); the shape tells it apart, so high contrast
// draws it in the text colour.
QColor markColor(const QPalette& palette, const QColor& color);
// High contrast: black on white (or white on black), no faded texts, outlined selections.
void useHighContrast(bool dark);
bool isHighContrast();
// Follows a change of the desktop's looks: its own palette where it gives one (KDE's colour scheme),
// else the palette Qt started with when that is of the wanted kind, else a light or dark one of ours.
// Leaves high contrast.
void usePalette(bool dark, const std::optional<QPalette>& desktop = std::nullopt);
// Runs `apply` now and again whenever the widget's palette or the icon theme changes: for colours
// and tinted pictures a widget keeps (a label's faded text, a button's tinted symbol).
void follow(QWidget* widget, std::function<void()> apply);
enum class Tone { secondary, tertiary };
// A widget's text in a faded tone of its surroundings' text colour, kept so across palette changes.
void setTone(QWidget* widget, Tone tone);
} // namespace Style

} // namespace zarvo::ui
