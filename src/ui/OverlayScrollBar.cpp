#include "ui/OverlayScrollBar.h"

#include "ui/Style.h"

#include <QAbstractScrollArea>
#include <QEvent>

namespace zarvo::ui {

namespace {
constexpr int kWidth = 10;
}

OverlayScrollBar* OverlayScrollBar::attach(QAbstractScrollArea* area) {
    return new OverlayScrollBar(area);
}

OverlayScrollBar::OverlayScrollBar(QAbstractScrollArea* area) : QScrollBar(Qt::Vertical, area), m_area(area) {
    setObjectName(QStringLiteral("overlayScrollBar"));
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::ArrowCursor);
    area->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The area still keeps its own bar's range and value current; this one mirrors it both ways.
    QScrollBar* own = area->verticalScrollBar();
    connect(own, &QScrollBar::rangeChanged, this, &OverlayScrollBar::follow);
    connect(own, &QScrollBar::valueChanged, this, &OverlayScrollBar::follow);
    connect(this, &QScrollBar::valueChanged, own, &QScrollBar::setValue);
    area->installEventFilter(this);
    area->viewport()->installEventFilter(this);
    Style::follow(this, [this] { restyle(); });
    follow();
    place();
}

void OverlayScrollBar::follow() {
    const QScrollBar* own = m_area->verticalScrollBar();
    setRange(own->minimum(), own->maximum());
    setPageStep(own->pageStep());
    setSingleStep(own->singleStep());
    setValue(own->value());
    setVisible(own->maximum() > own->minimum());
    raise();
}

void OverlayScrollBar::place() {
    const QRect port = m_area->viewport()->geometry();
    setGeometry(port.right() + 1 - kWidth, port.top(), kWidth, port.height());
}

bool OverlayScrollBar::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Resize || event->type() == QEvent::Move ||
        (watched == m_area && event->type() == QEvent::LayoutRequest))
        place();
    return QScrollBar::eventFilter(watched, event);
}

void OverlayScrollBar::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange) restyle();
    QScrollBar::changeEvent(event);
}

void OverlayScrollBar::restyle() {
    // A style sheet on this bar alone, so the style's own hit testing matches what is drawn. The sheet
    // holds this bar's own palette as it was: the area's tells the colours now.
    const QColor ink = Style::primary(m_area->palette());
    const auto rgba = [&ink](double alpha) {
        return QStringLiteral("rgba(%1, %2, %3, %4)")
            .arg(ink.red())
            .arg(ink.green())
            .arg(ink.blue())
            .arg(qRound(alpha * 255));
    };
    const QString sheet =
        (QStringLiteral(
             "QScrollBar:vertical { background: transparent; width: %1px; margin: 3px 3px 3px 0; }"
             "QScrollBar::handle:vertical { background: %2; border-radius: 3px; min-height: 28px; }"
             "QScrollBar::handle:vertical:hover, QScrollBar::handle:vertical:pressed { background: %3; }"
             "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 0; border: none; "
             "background: none; }"
             "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical { background: none; }")
             .arg(kWidth)
             .arg(rgba(0.30), rgba(0.55)));
    if (sheet != styleSheet()) setStyleSheet(sheet);
}

} // namespace zarvo::ui
