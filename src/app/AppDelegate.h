#pragma once

#include "search/SearchModel.h"
#include "ui/FileThumbnails.h"
#include "ui/SettingsWindow.h"

#include <QJsonObject>
#include <QObject>
#include <QPointer>
#include <array>
#include <functional>
#include <memory>

class QWidget;

namespace zarvo {
class ClipStore;
class HotKeyRegistration;
class MetadataQueryFactory;
class PanelWindowing;
struct Platform;
namespace ui {
class PreviewWindow;
class SearchView;
class SettingsWindow;
} // namespace ui
} // namespace zarvo

namespace zarvo::app {

class SearchPanel;
class StatusMenu;

// The application shell: the start-up sequence, the panel, the status menu, the preview window and the
// settings window, and the wiring between the hot keys, the model and them. It holds no search logic.
class AppDelegate : public QObject {
    Q_OBJECT
public:
    struct Services {
        Platform& platform;
        ClipStore* clips = nullptr;
        MetadataQueryFactory* metadata = nullptr;
        // Log lines ("Zarvo: …") go here; the process writes them to standard error.
        std::function<void(const QString&)> log;
        // The installed applications; none: applications are only files.
        const AppCatalog* applications = nullptr;
        // Zarvo's own file index, for the settings window's choice of folders; none without it.
        std::optional<ui::SearchAccessSection::Index> fileIndex = std::nullopt;
    };
    explicit AppDelegate(Services services, QObject* parent = nullptr);
    ~AppDelegate() override;

    // The start-up sequence; false when another copy takes over.
    bool applicationDidFinishLaunching();

    void showPanel(bool clips);
    void hidePanel();
    void toggle(SearchModel::Tab tab);
    void toggleQuickLook();
    // Keys while the preview has the keyboard; true when handled.
    bool handlePreviewKey(const KeyEvent& event);
    void showSettings();
    void clearHistory();

    // A request from another process of this user; `reply` answers it once.
    void handleRequest(const QJsonObject& request, std::function<void(const QJsonObject&)> reply);
    // Handles "cli" requests (the command-line front end's store commands); set by the process.
    std::function<void(const QJsonObject&, std::function<void(const QJsonObject&)>)> onCliRequest;

    SearchModel& model() { return *m_model; }
    SearchPanel* panel() const { return m_panel; }
    ui::SearchView* view() const { return m_view; }
    bool isPreviewVisible() const;

private:
    void makePanel();
    void setUpStatusItem();
    void wireModel();
    QWidget* visibleWindow() const;
    void registerHotKeys();
    // Once: the main key's conflict (instead of the panel) and, without a status area, a notification.
    void tellAtStart();
    // The same, once the desktop has answered whether it delivers the main key.
    void tellAtStartWhenKnown();
    static constexpr int kStartAnswerWaitMs = 3000;
    void bindMainKeyThroughDesktop();
    // How a desktop shortcut starts us: "zarvo" when that name on the PATH is us, else our path.
    static QString commandProgram();
    ui::SettingsView::Updates settingsUpdates();

    Services m_s;
    // Registers the system-wide keys; the settings window's recorder calls it too.
    HotKeyRegistration* m_hotKeys;
    std::unique_ptr<SearchModel> m_model;
    SearchPanel* m_panel = nullptr;
    ui::SearchView* m_view = nullptr;
    std::unique_ptr<ui::FileThumbnails> m_thumbnails;
    StatusMenu* m_statusMenu = nullptr;
    QPointer<ui::SettingsWindow> m_settingsWindow;
    ui::PreviewWindow* m_preview = nullptr;
};

} // namespace zarvo::app
