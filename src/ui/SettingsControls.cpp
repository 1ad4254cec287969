#include "ui/SettingsControls.h"

#include "ui/Icons.h"
#include "ui/Style.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <QToolButton>
#include <QVBoxLayout>

namespace zarvo::ui {

namespace {

constexpr int kTrackWidth = 36, kTrackHeight = 20;

// A section's rounded card, painted in the colours of the moment: a style sheet would keep them, and
// the texts of every row inside, as they were when the desktop switches between light and dark.
class Card : public QFrame {
public:
    using QFrame::QFrame;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const QPalette& pal = palette();
        painter.setPen(QPen(Style::primaryFill(pal, 0.12), 1));
        painter.setBrush(Style::primaryFill(pal, Style::isDark(pal) ? 0.07 : 0.04));
        painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 8, 8);
    }
};

} // namespace

QLabel* caption(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    QFont small = label->font();
    small.setPointSizeF(small.pointSizeF() * 0.9);
    label->setFont(small);
    return label;
}

void setTextColor(QWidget* widget, const QColor& color) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, color);
    widget->setPalette(palette);
}

QToolButton* removeButton(QWidget* parent, const QString& tip) {
    auto* button = new QToolButton(parent);
    button->setAutoRaise(true);
    Style::follow(button, [button] {
        button->setIcon(
            QIcon(Icons::symbol(QStringLiteral("minus.circle"), 16, Style::secondary(button->palette()),
                                button->devicePixelRatioF())));
    });
    button->setToolTip(tip);
    button->setAccessibleName(tip);
    button->setFocusPolicy(Qt::StrongFocus);
    return button;
}

Switch::Switch(const QString& title, QWidget* parent) : QAbstractButton(parent) {
    setText(title);
    setCheckable(true);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

QSize Switch::sizeHint() const {
    const int textWidth = fontMetrics().horizontalAdvance(text());
    return {textWidth + 16 + kTrackWidth, qMax(kTrackHeight + 8, fontMetrics().height() + 8)};
}

void Switch::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QPalette& pal = palette();
    p.setPen(isEnabled() ? Style::primary(pal) : Style::tertiary(pal));
    const QRect textRect = rect().adjusted(0, 0, -(kTrackWidth + 12), 0);
    p.drawText(textRect, Qt::AlignVCenter | Qt::AlignLeft,
               fontMetrics().elidedText(text(), Qt::ElideRight, textRect.width()));

    const QRectF track(width() - kTrackWidth - 2, (height() - kTrackHeight) / 2.0, kTrackWidth, kTrackHeight);
    const QColor on = Style::accent(pal), off = Style::primaryFill(pal, Style::isDark(pal) ? 0.25 : 0.18);
    // High contrast: an outlined track when off, and a knob that differs from the track either way.
    const bool contrast = Style::isHighContrast();
    p.setPen(contrast && !isChecked() ? QPen(Style::primary(pal), 1.5) : QPen(Qt::NoPen));
    p.setBrush(isChecked() ? on : contrast ? QColor(Qt::transparent) : off);
    if (!isEnabled()) p.setOpacity(contrast ? 0.75 : 0.5);
    p.drawRoundedRect(track, kTrackHeight / 2.0, kTrackHeight / 2.0);
    const double knob = kTrackHeight - 4;
    const double x = isChecked() ? track.right() - knob - 2 : track.left() + 2;
    p.setPen(Qt::NoPen);
    p.setBrush(!contrast     ? QColor(Qt::white)
               : isChecked() ? pal.color(QPalette::Window)
                             : Style::primary(pal));
    p.drawEllipse(QRectF(x, track.top() + 2, knob, knob));
    p.setOpacity(1);
    if (hasFocus()) {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(Style::accent(pal), 2));
        p.drawRoundedRect(track.adjusted(-2, -2, 2, 2), kTrackHeight / 2.0 + 2, kTrackHeight / 2.0 + 2);
    }
}

SettingsSection::SettingsSection(const QString& title, const QString& footer, QWidget* parent)
    : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);
    auto* heading = new QLabel(title, this);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    layout->addWidget(heading);

    m_card = new Card(this);
    m_card->setObjectName(QStringLiteral("settingsCard"));
    m_rows = new QVBoxLayout(m_card);
    m_rows->setContentsMargins(12, 6, 12, 6);
    m_rows->setSpacing(4);
    layout->addWidget(m_card);

    m_footer = new QLabel(this);
    m_footer->setWordWrap(true);
    QFont small = m_footer->font();
    small.setPointSizeF(small.pointSizeF() * 0.9);
    m_footer->setFont(small);
    Style::setTone(m_footer, Style::Tone::secondary);
    layout->addWidget(m_footer);
    setFooter(footer);
}

void SettingsSection::addRow(QWidget* row) {
    row->setParent(m_card);
    m_rows->addWidget(row);
}

void SettingsSection::setFooter(const QString& footer) {
    m_footer->setText(footer);
    m_footer->setVisible(!footer.isEmpty());
}

QWidget* labelledRow(const QString& text, QWidget* control, QWidget* second) {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 2, 0, 2);
    auto* label = new QLabel(text, row);
    label->setWordWrap(true);
    label->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    layout->addWidget(label, 1);
    // The label names its control for a screen reader.
    if (control && !text.isEmpty()) label->setBuddy(control);
    if (control) layout->addWidget(control);
    if (second) layout->addWidget(second);
    return row;
}

Disclosure::Disclosure(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    auto* header = new QToolButton(this);
    header->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    header->setArrowType(Qt::RightArrow);
    header->setAutoRaise(true);
    header->setCheckable(true);
    header->setFocusPolicy(Qt::StrongFocus);
    m_header = header;
    m_body = new QWidget(this);
    m_body->hide();
    layout->addWidget(header);
    layout->addWidget(m_body);
    connect(header, &QToolButton::toggled, this, [this, header](bool on) {
        header->setArrowType(on ? Qt::DownArrow : Qt::RightArrow);
        m_body->setVisible(on);
        emit expandedChanged(on);
    });
}

void Disclosure::setTitle(const QString& title) {
    m_header->setText(title);
}

QString Disclosure::title() const {
    return m_header->text();
}

void Disclosure::setExpanded(bool expanded) {
    m_header->setChecked(expanded);
}

} // namespace zarvo::ui
