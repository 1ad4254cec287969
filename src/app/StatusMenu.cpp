#include "app/StatusMenu.h"

#include "platform/HotKeyManager.h"
#include "platform/PlatformWords.h"
#include "store/Settings.h"

#include <QAction>
#include <QGuiApplication>
#include <QIconEngine>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QSystemTrayIcon>
#include <QTimer>

namespace zarvo::app {

namespace {

// Draws the keycap at whatever size a tray asks for, so it stays sharp at every scale.
class KeycapEngine : public QIconEngine {
public:
    explicit KeycapEngine(QColor color) : m_color(color) {}
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override {
        const qreal dpr = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        painter->drawPixmap(rect, StatusMenu::keycap(qMin(rect.width(), rect.height()), dpr, m_color));
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override {
        return StatusMenu::keycap(qMin(size.width(), size.height()), 1.0, m_color);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode, QIcon::State, qreal scale) override {
        return StatusMenu::keycap(qMin(size.width(), size.height()), scale, m_color);
    }
    QIconEngine* clone() const override { return new KeycapEngine(m_color); }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        return {{16, 16}, {18, 18}, {22, 22}, {24, 24}, {32, 32}, {48, 48}, {64, 64}};
    }

private:
    QColor m_color;
};

// Runs a menu action once the menu has closed, so a window it opens gets the keyboard.
std::function<void()> afterMenu(std::function<void()> action) {
    return [action = std::move(action)] { QTimer::singleShot(0, qApp, action); };
}

} // namespace

QPixmap StatusMenu::keycap(int size, qreal devicePixelRatio, const QColor& color) {
    // Drawn on an 18-unit grid: outline at 1.5 of 15 × 15, corner radius 4, line 1.5, letter 11 heavy.
    const int pixels = qMax(1, qRound(size * devicePixelRatio));
    QPixmap pixmap(pixels, pixels);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const qreal unit = pixels / 18.0;
    painter.scale(unit, unit);
    painter.setPen(QPen(color, 1.5));
    painter.drawRoundedRect(QRectF(1.5, 1.5, 15, 15), 4, 4);
    QFont font = QGuiApplication::font();
    font.setPixelSize(11);
    font.setWeight(QFont::Black);
    QPainterPath letter;
    letter.addText(0, 0, font, QStringLiteral("R"));
    const QRectF bounds = letter.boundingRect();
    letter.translate(9 - bounds.width() / 2 - bounds.left(), 9 - bounds.height() / 2 - bounds.top());
    painter.fillPath(letter, color);
    painter.end();
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

QIcon StatusMenu::keycapIcon(const QColor& color) {
    return QIcon(new KeycapEngine(color));
}

StatusMenu::StatusMenu(Settings& settings, Actions actions, const HotKeyManager* keys, QObject* parent)
    : QObject(parent), m_settings(settings), m_actions(std::move(actions)), m_keys(keys) {
    const PlatformWords& words = PlatformWords::current();
    m_menu = new QMenu();
    m_open = m_menu->addAction(tr("Open Zarvo"), this, afterMenu(m_actions.open));
    m_openClips = m_menu->addAction(tr("Clipboard History"), this, afterMenu(m_actions.openClips));
    m_menu->addSeparator();
    QAction* settingsItem = m_menu->addAction(tr("Settings\u2026"), this, afterMenu(m_actions.settings));
    settingsItem->setShortcut(QKeySequence(words.keys(QStringLiteral("\u2318,"))));
    m_menu->addAction(tr("Check for Updates\u2026"), this, afterMenu(m_actions.checkForUpdates));
    m_menu->addAction(tr("Clear History"), this, m_actions.clearHistory);
    m_menu->addSeparator();
    QAction* quit = m_menu->addAction(tr("Quit Zarvo"), this, afterMenu(m_actions.quit));
    quit->setShortcut(QKeySequence(words.keys(QStringLiteral("\u2318Q"))));
    connect(m_menu, &QMenu::aboutToShow, this, &StatusMenu::retitle);
    if (m_keys) connect(m_keys, &HotKeyManager::statusChanged, this, &StatusMenu::retitle);
    retitle();

    if (QSystemTrayIcon::isSystemTrayAvailable()) {
        // Tray panels are usually dark; the palette's text colour follows the desktop's theme.
        m_tray =
            new QSystemTrayIcon(keycapIcon(QGuiApplication::palette().color(QPalette::WindowText)), this);
        m_tray->setToolTip(QStringLiteral("Zarvo"));
        m_tray->setContextMenu(m_menu);
        connect(m_tray, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
            if (reason == QSystemTrayIcon::Trigger) m_actions.open();
        });
        m_tray->show();
    }
}

StatusMenu::~StatusMenu() {
    delete m_menu;
}

bool StatusMenu::isShown() const {
    return m_tray && m_tray->isVisible();
}

void StatusMenu::retitle() {
    const PlatformWords& words = PlatformWords::current();
    const auto shown = [this](HotKeyManager::Slot slot, const QString& name) {
        return m_keys ? m_keys->shownKey(slot, name) : name;
    };
    m_open->setText(tr("Open Zarvo  (%1)")
                        .arg(shown(HotKeyManager::Slot::main,
                                   words.hotKey(m_settings.hotKeyModifiers(), m_settings.hotKeyLabel()))));
    m_openClips->setText(
        tr("Clipboard History  (%1)")
            .arg(shown(HotKeyManager::Slot::clipboard,
                       words.hotKey(m_settings.clipHotKeyModifiers(), m_settings.clipHotKeyLabel()))));
}

} // namespace zarvo::app
