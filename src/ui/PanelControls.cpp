#include "ui/PanelControls.h"

#include "ui/Accessibility.h"
#include "ui/Icons.h"
#include "ui/Style.h"

#include <QEnterEvent>
#include <QPainter>
#include <QPainterPath>

namespace zarvo::ui {

// --- Spinner ------------------------------------------------------------------------------------------

Spinner::Spinner(QWidget* parent) : QWidget(parent) {
    setFixedSize(16, 16);
    m_timer.setInterval(80);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        m_angle = (m_angle + 30) % 360;
        update();
    });
}

void Spinner::showEvent(QShowEvent*) {
    m_timer.start();
}

void Spinner::hideEvent(QHideEvent*) {
    m_timer.stop();
}

void Spinner::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QPen pen(Style::secondary(palette()), 2);
    pen.setCapStyle(Qt::RoundCap);
    painter.setPen(pen);
    painter.drawArc(rect().adjusted(2, 2, -2, -2), -m_angle * 16, 270 * 16);
}

// --- TabButton ----------------------------------------------------------------------------------------

TabButton::TabButton(const QString& symbol, const QString& title, QWidget* parent)
    : QAbstractButton(parent), m_symbol(symbol), m_title(title) {
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::PointingHandCursor);
    setAccessibleName(title);
}

void TabButton::setSelected(bool selected) {
    if (selected == m_selected) return;
    m_selected = selected;
    Accessibility::selectionChanged(this);
    update();
}

void TabButton::setCount(int count) {
    if (count == m_count) return;
    m_count = count;
    if (QAccessible::isActive()) {
        QAccessibleEvent named(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&named);
    }
    updateGeometry();
    update();
}

QSize TabButton::sizeHint() const {
    const QFontMetrics title(Style::font(12, QFont::DemiBold));
    int width = 10 + 11 + 5 + title.horizontalAdvance(m_title) + 10;
    if (m_count >= 1) width += 5 + QFontMetrics(Style::font(10)).horizontalAdvance(QString::number(m_count));
    return {width, 24};
}

void TabButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPalette& p = palette();
    if (m_selected) {
        QPainterPath capsule;
        capsule.addRoundedRect(QRectF(rect()), height() / 2.0, height() / 2.0);
        Style::paintSelection(painter, capsule, p);
    }
    const QColor color = m_selected ? Style::primary(p) : Style::secondary(p);
    int x = 10;
    painter.drawPixmap(QRect(x, (height() - 11) / 2, 11, 11),
                       Icons::symbol(m_symbol, 11, color, devicePixelRatioF()));
    x += 16;
    const QFont titleFont = Style::font(12, m_selected ? QFont::DemiBold : QFont::Medium);
    painter.setFont(titleFont);
    painter.setPen(color);
    const int titleWidth = QFontMetrics(titleFont).horizontalAdvance(m_title);
    painter.drawText(QRect(x, 0, titleWidth + 2, height()), Qt::AlignVCenter, m_title);
    x += titleWidth + 5;
    if (m_count >= 1) {
        painter.setFont(Style::font(10));
        painter.setPen(Style::secondary(p));
        painter.drawText(QRect(x, 0, width() - x, height()), Qt::AlignVCenter, QString::number(m_count));
    }
}

// --- CapsuleButton ------------------------------------------------------------------------------------

CapsuleButton::CapsuleButton(QWidget* parent) : QAbstractButton(parent) {
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::PointingHandCursor);
}

void CapsuleButton::setConfirming(bool confirming) {
    if (confirming == m_confirming) return;
    m_confirming = confirming;
    update();
}

void CapsuleButton::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange) update();
    QAbstractButton::changeEvent(event);
}

QSize CapsuleButton::sizeHint() const {
    return {10 + 11 + 5 + QFontMetrics(Style::font(11, QFont::Medium)).horizontalAdvance(text()) + 10, 22};
}

void CapsuleButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    // Disabled is faded; high contrast fades it less, so its words stay readable.
    painter.setOpacity(isEnabled() ? 1.0 : Style::isHighContrast() ? 0.75 : 0.4);
    const QPalette& p = palette();
    QPainterPath capsule;
    capsule.addRoundedRect(QRectF(rect()), height() / 2.0, height() / 2.0);
    // Asking for confirmation: red, or in high contrast the text colour, under the confirming words.
    const QColor confirmFill = Style::markColor(p, QColor(0xE5, 0x48, 0x4D, 217));
    painter.fillPath(capsule, m_confirming ? confirmFill : Style::primaryFill(p, 0.06));
    const QColor confirmText = Style::isHighContrast() ? p.color(QPalette::Window) : QColor(Qt::white);
    const QColor color = m_confirming ? confirmText : Style::secondary(p);
    painter.drawPixmap(QRect(10, (height() - 11) / 2, 11, 11),
                       Icons::symbol(QStringLiteral("trash"), 11, color, devicePixelRatioF()));
    painter.setFont(Style::font(11, QFont::Medium));
    painter.setPen(color);
    painter.drawText(rect().adjusted(26, 0, 0, 0), Qt::AlignVCenter, text());
}

// --- AppChip ------------------------------------------------------------------------------------------

AppChip::AppChip(const QIcon& icon, const QString& name, const QString& hint, QWidget* parent)
    : QAbstractButton(parent), m_icon(icon), m_name(name), m_hint(hint) {
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::PointingHandCursor);
    setAccessibleName(name);
}

QSize AppChip::sizeHint() const {
    return {6 + 18 + 6 + QFontMetrics(Style::font(12)).horizontalAdvance(m_name) + 6 +
                QFontMetrics(Style::font(10)).horizontalAdvance(m_hint) + 8,
            26};
}

void AppChip::enterEvent(QEnterEvent*) {
    m_hover = true;
    update();
}

void AppChip::leaveEvent(QEvent*) {
    m_hover = false;
    update();
}

void AppChip::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPalette& p = palette();
    if (m_hover) {
        QPainterPath background;
        background.addRoundedRect(QRectF(rect()), 6, 6);
        painter.fillPath(background, Style::primaryFill(p, 0.08));
    }
    m_icon.paint(&painter, QRect(6, (height() - 18) / 2, 18, 18));
    int x = 30;
    painter.setFont(Style::font(12));
    painter.setPen(Style::primary(p));
    const int nameWidth = QFontMetrics(painter.font()).horizontalAdvance(m_name);
    painter.drawText(QRect(x, 0, nameWidth + 2, height()), Qt::AlignVCenter, m_name);
    x += nameWidth + 6;
    painter.setFont(Style::font(10));
    painter.setPen(Style::secondary(p));
    painter.drawText(QRect(x, 0, width() - x, height()), Qt::AlignVCenter, m_hint);
}

// --- Divider ------------------------------------------------------------------------------------------

Divider::Divider(Qt::Orientation orientation, QWidget* parent) : QWidget(parent) {
    if (orientation == Qt::Horizontal)
        setFixedHeight(1);
    else
        setFixedWidth(1);
}

void Divider::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Style::primaryFill(palette(), 0.12));
}

} // namespace zarvo::ui
