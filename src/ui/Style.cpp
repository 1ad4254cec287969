#include "ui/Style.h"

#include <QFontDatabase>
#include <QGuiApplication>

namespace zarvo::ui::Style {

namespace {
QColor withAlpha(QColor color, double opacity) {
    color.setAlphaF(float(opacity));
    return color;
}
} // namespace

bool isDark(const QPalette& palette) {
    return palette.color(QPalette::Window).lightnessF() < 0.5;
}

QColor primary(const QPalette& palette) {
    return palette.color(QPalette::WindowText);
}

QColor secondary(const QPalette& palette) {
    return withAlpha(primary(palette), 0.6);
}

QColor tertiary(const QPalette& palette) {
    return withAlpha(primary(palette), 0.35);
}

QColor accent(const QPalette& palette) {
    return palette.color(QPalette::Highlight);
}

QColor accentFill(const QPalette& palette, double opacity) {
    return withAlpha(accent(palette), opacity);
}

QColor primaryFill(const QPalette& palette, double opacity) {
    return withAlpha(primary(palette), opacity);
}

QColor backdrop(const QPalette& palette, bool translucent) {
    return withAlpha(palette.color(QPalette::Window), translucent ? 0.93 : 1.0);
}

QFont font(double pixelSize, QFont::Weight weight) {
    QFont f = QGuiApplication::font();
    f.setPixelSize(qMax(1, qRound(pixelSize)));
    f.setWeight(weight);
    return f;
}

QFont monospace(double pixelSize) {
    QFont f = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    f.setPixelSize(qMax(1, qRound(pixelSize)));
    return f;
}

} // namespace zarvo::ui::Style
