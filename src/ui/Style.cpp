#include "ui/Style.h"

#include <QApplication>
#include <QEvent>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QStyle>
#include <QStyleFactory>
#include <QTimer>
#include <QWidget>

namespace zarvo::ui::Style {

namespace {
bool highContrast = false;

QColor withAlpha(QColor color, double opacity) {
    color.setAlphaF(float(opacity));
    return color;
}

// What Qt chose at start, before any palette of ours: the way back from dark to the desktop's light.
struct Start {
    QPalette palette;
    QString style;
};
const Start& start() {
    static const Start kept{QGuiApplication::palette(), QApplication::style()->name()};
    return kept;
}

void useStyle(const QString& name) {
    if (QApplication::style()->name().compare(name, Qt::CaseInsensitive) != 0)
        QApplication::setStyle(QStyleFactory::create(name));
}

QPalette darkPalette() {
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
    return p;
}

// Runs a widget's colour work on each change of its palette or of the icon theme; not on the change
// its own work makes.
class Follower : public QObject {
public:
    Follower(QWidget* widget, std::function<void()> apply) : QObject(widget), m_apply(std::move(apply)) {}
    bool eventFilter(QObject*, QEvent* event) override {
        const auto type = event->type();
        if ((type == QEvent::PaletteChange || type == QEvent::ThemeChange) && !m_busy) apply();
        // Told before the widgets' palettes are resolved again (and a widget styled by a style sheet
        // may see no change of its own): once they are.
        if (type == QEvent::ApplicationPaletteChange && !m_queued) {
            m_queued = true;
            QTimer::singleShot(0, this, [this] {
                m_queued = false;
                apply();
            });
        }
        return false;
    }

private:
    void apply() {
        m_busy = true;
        m_apply();
        m_busy = false;
    }

    std::function<void()> m_apply;
    bool m_busy = false;
    bool m_queued = false;
};
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

QColor backdrop(const QPalette& palette, bool translucent, bool blurred) {
    // Unblurred, 7 % let text behind read through the rows; 3 % leaves a trace of what is behind only.
    return withAlpha(palette.color(QPalette::Window), !translucent ? 1.0 : blurred ? 0.88 : 0.97);
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
    start();
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

void usePalette(bool dark, const std::optional<QPalette>& desktop) {
    const Start& first = start();
    highContrast = false;
    QPalette wanted;
    if (desktop && isDark(*desktop) == dark) {
        wanted = *desktop;
    } else if (isDark(first.palette) == dark) {
        useStyle(first.style);
        wanted = first.palette;
    } else {
        useStyle(QStringLiteral("Fusion"));
        wanted = dark ? darkPalette() : QApplication::style()->standardPalette();
    }
    if (wanted != QGuiApplication::palette()) QApplication::setPalette(wanted);
}

void follow(QWidget* widget, std::function<void()> apply) {
    apply();
    widget->installEventFilter(new Follower(widget, std::move(apply)));
}

void setTone(QWidget* widget, Tone tone) {
    follow(widget, [widget, tone] {
        // The surroundings' text colour: the widget's own is the faded one already.
        const QWidget* parent = widget->parentWidget();
        const QPalette around = parent ? parent->palette() : QGuiApplication::palette();
        QPalette p = widget->palette();
        p.setColor(QPalette::WindowText, tone == Tone::secondary ? secondary(around) : tertiary(around));
        widget->setPalette(p);
    });
}

} // namespace zarvo::ui::Style
