#include "app/SearchPanel.h"

#include "platform/PanelWindowing.h"
#include "ui/Accessibility.h"
#include "ui/KeyEvents.h"
#include "ui/Style.h"

#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <QRegion>
#include <QScreen>
#include <QVBoxLayout>

namespace zarvo::app {

namespace {
// A passive key grab or a keyboard layout switch takes the focus away for an instant: wait before
// believing the panel lost it.
constexpr int kFocusDebounceMs = 150;
} // namespace

SearchPanel::SearchPanel(PanelWindowing* windowing, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), m_windowing(windowing) {
    setObjectName(QStringLiteral("ZarvoPanel"));
    setWindowTitle(QStringLiteral("Zarvo"));
    // A frameless tool window is still a window to a screen reader (the name it reads on showing).
    ui::Accessibility::setRole(this, QAccessible::Window);
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_NoSystemBackground);
    setFixedSize(width, height);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_compositing = windowing && windowing->isCompositing();
    if (windowing)
        connect(windowing, &PanelWindowing::compositingChanged, this,
                [this](bool on) { setCompositing(on); });
    m_focusDebounce.setSingleShot(true);
    m_focusDebounce.setInterval(kFocusDebounceMs);
    connect(&m_focusDebounce, &QTimer::timeout, this, &SearchPanel::checkFocus);
    // Every key of the panel goes to the model first, whichever child has the focus.
    qApp->installEventFilter(this);
    updateShape();
}

SearchPanel::~SearchPanel() {
    qApp->removeEventFilter(this);
}

void SearchPanel::setContent(QWidget* content) {
    m_content = content;
    layout()->addWidget(content);
}

QRect SearchPanel::frameOn(const QRect& available) {
    // The visible frame's top edge, 18 % down, then the panel below it; centred across.
    const int x = available.left() + (available.width() - width) / 2;
    const int y = available.top() + int(0.18 * available.height());
    return {x, y, width, height};
}

std::optional<QRect> SearchPanel::screenUnderPointer() {
    QScreen* screen = QGuiApplication::screenAt(QCursor::pos());
    if (!screen) screen = QGuiApplication::primaryScreen();
    if (!screen) return std::nullopt;
    return screen->availableGeometry();
}

void SearchPanel::present() {
    // A focus check left from the last time the panel was shown is not about this time.
    m_focusDebounce.stop();
    if (const auto available = screenUnderPointer()) setGeometry(frameOn(*available));
    if (m_windowing) {
        if (m_windowing->isCompositing() != m_compositing) setCompositing(m_windowing->isCompositing());
        m_windowing->rememberActiveWindow(isVisible() ? winId() : 0);
        m_windowing->prepareToShow(winId());
        m_blurred = m_compositing && m_windowing->blurBehind(winId());
    }
    show();
    raise();
    // Qt's own activation request carries the time of the last event Qt saw, which a window manager
    // that prevents focus stealing holds against us; ours carries the time of the user's request.
    if (m_windowing)
        m_windowing->activate(winId());
    else
        activateWindow();
    // The focus may arrive while the hot key's grab is still active, when Qt does not take note of it;
    // then Qt sees no focus leave either. Look again shortly, and once more to catch a focus that
    // went elsewhere in the meantime.
    QTimer::singleShot(120, this, [this] { adoptWindowManagerFocus(); });
    QTimer::singleShot(400, this, [this] {
        if (!adoptWindowManagerFocus() && isVisible() && !isActiveWindow()) m_focusDebounce.start();
    });
}

void SearchPanel::setCompositing(bool compositing) {
    m_compositing = compositing;
    updateShape();
    update();
}

void SearchPanel::updateShape() {
    // Without a compositor the transparent corners would show black: cut them off with a mask.
    if (m_compositing) {
        clearMask();
        return;
    }
    QPainterPath path;
    path.addRoundedRect(QRectF(rect()), cornerRadius, cornerRadius);
    setMask(QRegion(path.toFillPolygon().toPolygon()));
}

void SearchPanel::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    updateShape();
}

void SearchPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(rect(), Qt::transparent);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    QPainterPath path;
    const QRectF frame = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    path.addRoundedRect(frame, cornerRadius, cornerRadius);
    painter.fillPath(path, ui::Style::backdrop(palette(), m_compositing, m_blurred));
    painter.setPen(QPen(ui::Style::primaryFill(palette(), 0.15), 1));
    painter.drawPath(path);
}

bool SearchPanel::eventFilter(QObject* watched, QEvent* event) {
    const bool override = event->type() == QEvent::ShortcutOverride;
    if (!override && event->type() != QEvent::KeyPress) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget) return false;
    const bool preview = previewWindow && widget->window() == previewWindow;
    if (!preview && (widget->window() != this || !isVisible())) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    // Qt offers a key to shortcuts (ShortcutOverride) before it delivers it. The model is asked once,
    // at the first of the two: a key it takes is then kept from both the shortcuts and the text box.
    // With a screen reader listening, Qt's accessibility bridge holds the press back, offers it to the
    // screen reader, and posts a copy without the time stamp, offered to shortcuts again: the same key.
    if (m_askedKey && m_askedKey->key == key->key() &&
        (m_askedKey->timestamp == key->timestamp() || !event->spontaneous())) {
        const bool handled = m_askedKey->handled;
        if (!override)
            m_askedKey.reset();
        else if (handled)
            event->accept();
        return handled;
    }
    const auto translated = ui::keyEventFrom(*key);
    if (!translated) return false;
    const bool handled = preview ? onPreviewKey(*translated) : onKey(*translated);
    if (override) {
        m_askedKey = AskedKey{key->key(), key->timestamp(), handled};
        if (handled) event->accept();
        return handled;
    }
    return handled;
}

void SearchPanel::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange) {
        if (isActiveWindow())
            m_focusDebounce.stop();
        else if (isVisible())
            m_focusDebounce.start();
    }
}

bool SearchPanel::adoptWindowManagerFocus() {
    // Qt drops focus events that arrive while a key grab is active (the hot key's own grab), so it may
    // not know that the window manager gave us the keyboard: the window manager's word counts.
    if (!isVisible() || isActiveWindow() || !m_windowing || m_windowing->activeWindow() != winId())
        return false;
    QT_WARNING_PUSH
    QT_WARNING_DISABLE_DEPRECATED
    QApplication::setActiveWindow(this);
    QT_WARNING_POP
    return true;
}

void SearchPanel::hideEvent(QHideEvent* event) {
    m_focusDebounce.stop();
    QWidget::hideEvent(event);
}

void SearchPanel::checkFocus() {
    if (!isVisible() || isActiveWindow()) return;
    if (adoptWindowManagerFocus()) return;
    // Our own windows (menus, the preview, dialogs) take the keyboard without the panel going away.
    if (QApplication::activePopupWidget() || QApplication::activeModalWidget() || isOwnWindowOpen()) return;
    QWidget* active = QApplication::activeWindow();
    if (active && active != this && active->isVisible() && active->windowType() == Qt::Popup) return;
    onFocusLost();
}

} // namespace zarvo::app
