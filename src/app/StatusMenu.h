#pragma once

#include <QIcon>
#include <QObject>
#include <functional>

class QAction;
class QMenu;
class QSystemTrayIcon;

namespace zarvo {
class Settings;
}

namespace zarvo::app {

// The status icon and its menu of eight items; the two open items show the current hot keys, read
// again each time the menu opens.
class StatusMenu : public QObject {
    Q_OBJECT
public:
    struct Actions {
        std::function<void()> open, openClips, settings, checkForUpdates, clearHistory, quit;
    };
    StatusMenu(Settings& settings, Actions actions, QObject* parent = nullptr);
    ~StatusMenu() override;

    // False where the desktop has no tray (GNOME without the AppIndicator extension).
    bool isShown() const;
    QMenu* menu() const { return m_menu; }
    // Retitles the two open items from the settings.
    void retitle();

    // The keycap: a rounded outline with a bold R, drawn for every size and pixel ratio asked.
    static QIcon keycapIcon(const QColor& color);
    static QPixmap keycap(int size, qreal devicePixelRatio, const QColor& color);

private:
    Settings& m_settings;
    Actions m_actions;
    QSystemTrayIcon* m_tray = nullptr;
    QMenu* m_menu = nullptr;
    QAction* m_open = nullptr;
    QAction* m_openClips = nullptr;
};

} // namespace zarvo::app
