#pragma once

#include <QIcon>
#include <QObject>
#include <functional>

class QAction;
class QMenu;
class QSystemTrayIcon;

namespace zarvo {
class HotKeyManager;
class PanelWindowing;
class Settings;
} // namespace zarvo

namespace zarvo::app {

// The status icon and its menu of eight items; the two open items show the current hot keys, read
// again each time the menu opens, or why a key does not reach us.
class StatusMenu : public QObject {
    Q_OBJECT
public:
    struct Actions {
        std::function<void()> open, openClips, settings, checkForUpdates, clearHistory, quit;
    };
    // `keys`, when given, tells which hot keys reach us.
    StatusMenu(Settings& settings, Actions actions, const HotKeyManager* keys = nullptr,
               QObject* parent = nullptr);
    ~StatusMenu() override;

    // False where the desktop has no tray (GNOME without the AppIndicator extension).
    bool isShown() const;
    QMenu* menu() const { return m_menu; }
    // Retitles the two open items from the settings.
    void retitle();
    // Draws the keycap in the colour the tray asks for (where `windowing` tells one), and again when
    // that colour or the palette changes.
    void followTray(const PanelWindowing* windowing);

    // The keycap: a rounded outline with a bold R, drawn for every size and pixel ratio asked.
    static QIcon keycapIcon(const QColor& color);
    static QPixmap keycap(int size, qreal devicePixelRatio, const QColor& color);
    // A colour that stands out on a background of `average` colour: near-black on light, white on dark.
    static QColor inkFor(const QColor& average);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QColor keycapColor() const;
    void redrawKeycap();

    Settings& m_settings;
    Actions m_actions;
    const HotKeyManager* m_keys = nullptr;
    QSystemTrayIcon* m_tray = nullptr;
    QMenu* m_menu = nullptr;
    QAction* m_open = nullptr;
    QAction* m_openClips = nullptr;
    const PanelWindowing* m_windowing = nullptr;
};

} // namespace zarvo::app
