#include "ui/Style.h"

#include <QApplication>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QStyleFactory>

namespace zarvo::ui::Style {

namespace {
bool highContrast = false;

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
    return highContrast ? primary(palette) : withAlpha(primary(palette), 0.6);
}

QColor tertiary(const QPalette& palette) {
    return highContrast ? primary(palette) : withAlpha(primary(palette), 0.35);
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

void paintSelection(QPainter& painter, const QPainterPath& shape, const QPalette& palette) {
    if (!highContrast) {
        painter.fillPath(shape, accentFill(palette));
        return;
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(primary(palette), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(shape);
    painter.restore();
}

QColor markColor(const QPalette& palette, const QColor& color) {
    return highContrast ? primary(palette) : color;
}

bool isHighContrast() {
    return highContrast;
}

void useHighContrast(bool dark) {
    highContrast = true;
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    const QColor back = dark ? Qt::black : Qt::white, fore = dark ? Qt::white : Qt::black;
    QPalette p(fore, back);
    for (const auto role :
         {QPalette::Window, QPalette::Base, QPalette::AlternateBase, QPalette::Button, QPalette::ToolTipBase})
        p.setColor(role, back);
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::ToolTipText,
                            QPalette::BrightText})
        p.setColor(role, fore);
    // Told apart from typed text, still above 7:1 against the background.
    p.setColor(QPalette::PlaceholderText, dark ? QColor(0xA6, 0xA6, 0xA6) : QColor(0x59, 0x59, 0x59));
    p.setColor(QPalette::Highlight, fore);
    p.setColor(QPalette::HighlightedText, back);
    p.setColor(QPalette::Link, dark ? QColor(0x80, 0xC8, 0xFF) : QColor(0x00, 0x00, 0xC0));
    // Disabled texts stay readable; they are told apart by their controls' state, not faded away.
    p.setColor(QPalette::Disabled, QPalette::Text, fore);
    p.setColor(QPalette::Disabled, QPalette::WindowText, fore);
    p.setColor(QPalette::Disabled, QPalette::ButtonText, fore);
    QApplication::setPalette(p);
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

void useDarkPalette() {
    if (isDark(QGuiApplication::palette())) return;
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QPalette p;
    const QColor window(0x2B, 0x2B, 0x2E), base(0x1F, 0x1F, 0x22), text(0xEC, 0xEC, 0xEE);
    p.setColor(QPalette::Window, window);
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Base, base);
    p.setColor(QPalette::AlternateBase, window);
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::Button, window);
    p.setColor(QPalette::ButtonText, text);
    p.setColor(QPalette::ToolTipBase, base);
    p.setColor(QPalette::ToolTipText, text);
    p.setColor(QPalette::PlaceholderText, QColor(0x8E, 0x8E, 0x93));
    p.setColor(QPalette::Highlight, QColor(0x35, 0x84, 0xE4));
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::Link, QColor(0x78, 0xAE, 0xED));
    p.setColor(QPalette::Disabled, QPalette::Text, QColor(0x80, 0x80, 0x84));
    p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x80, 0x80, 0x84));
    QApplication::setPalette(p);
}

} // namespace zarvo::ui::Style
