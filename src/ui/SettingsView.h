#pragma once

#include "ui/SearchAccessSection.h"
#include "ui/ShortcutRecorder.h"

#include <QHash>
#include <QList>
#include <QUuid>
#include <QWidget>
#include <functional>

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QLineEdit;
class QPushButton;
class QScrollArea;
class QVBoxLayout;

namespace zarvo {
class ClipStore;
class HotKeyManager;
class HotKeyRegistration;
class SessionInfo;
class History;
class Settings;
struct Platform;
class Workspace;
} // namespace zarvo

namespace zarvo::ui {

class Disclosure;
class SettingsSection;
class Switch;

// The content of the settings window: every preference, the shortcut recorder, the user's own
// keywords, the clipboard history's options, updates and the history. Each control writes straight
// into the shared objects, and the view follows changes made elsewhere while it is open.
class SettingsView : public QWidget {
    Q_OBJECT
public:
    // What the window reads of the updater, which lives in the shell.
    struct Updates {
        std::function<bool()> automaticallyChecks;
        std::function<void(bool)> setAutomaticallyChecks;
        std::function<void()> checkNow;
        // Why this build does not check ("Updates come with your package manager"); empty when it does.
        std::function<QString()> unavailableReason;
        // The host the checks ask.
        QString feedHost;
    };
    struct Services {
        Settings& settings;
        History& history;
        ClipStore* clips = nullptr;
        Workspace* workspace = nullptr;
        // The keys and their registration, which the shell owns.
        HotKeyRegistration& hotKeys;
        Updates updates;
        // The shown version ("0.1.0"); "?" when unknown.
        QString version;
        // How the desktop's shortcuts start us ("zarvo", or the program's path when not on the PATH).
        QString program = QStringLiteral("zarvo");
        // Zarvo's own file index, where files are found through it: its folders are chosen here.
        std::optional<SearchAccessSection::Index> fileIndex = std::nullopt;
        QString home = {};
        // What works on this desktop session; its lines stand under the hot keys.
        SessionInfo* session = nullptr;
        // The platform the built-in keywords resolve on.
        const Platform* platform = nullptr;
    };
    explicit SettingsView(Services services, QWidget* parent = nullptr);
    ~SettingsView() override;

    ShortcutRecorder& recorder() { return m_recorder; }
    void stopRecording() { m_recorder.stopRecording(); }
    // The "Add App…" action: the chosen application's identifier joins the ignored ones.
    void addIgnoredApp();
    // The chooser "Add App…" opens; tests answer it. By default a modal AppChooser.
    std::function<std::optional<QString>()> chooseApplication;
    // Asks before anything of the desktop's is changed; true for yes. By default a question box.
    std::function<bool(const QString& title, const QString& text)> confirm;
    // Offers to bind a hot key the desktop holds through the desktop's own shortcuts, with a yes first.
    void bindThroughDesktop();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    struct KeywordRow {
        QUuid id;
        QWidget* row = nullptr;
        QLineEdit* keyword = nullptr;
        QLineEdit* target = nullptr;
    };

    SettingsSection* buildSearchAccess();
    SettingsSection* buildShortcuts();
    SettingsSection* buildBehavior();
    SettingsSection* buildKeywords();
    SettingsSection* buildClipboard();
    SettingsSection* buildUpdates();
    SettingsSection* buildHistory();
    QWidget* shortcutRow(ShortcutRecorder::Shortcut shortcut, const QString& title);
    void fillBuiltInList();

    void refreshShortcuts();
    void refreshSettings();
    void refreshKeywords();
    void refreshIgnoredApps();
    void refreshClips();
    void refreshHistory();
    void refreshUpdates();
    void updateKeyMonitor();
    void editKeyword(const QUuid& id, bool keyword, const QString& text);
    QString applicationName(const QString& identifier) const;

    Services m_s;
    ShortcutRecorder m_recorder;
    QScrollArea* m_scroll = nullptr;
    QWidget* m_firstControl = nullptr;
    bool m_monitoring = false;

    QHash<int, QPushButton*> m_shortcutButtons;
    QLabel* m_hotKeyError = nullptr;
    QLabel* m_sessionStatus = nullptr;
    QPushButton* m_bindThroughDesktop = nullptr;
    int m_bindSlot = 0;
    QLabel* m_configPlace = nullptr;
    QPlainTextEdit* m_configLines = nullptr;
    Switch* m_prefill = nullptr;
    Switch* m_hidden = nullptr;
    QComboBox* m_terminal = nullptr;
    Switch* m_launchAtLogin = nullptr;
    QVBoxLayout* m_keywordRows = nullptr;
    QList<KeywordRow> m_keywords;
    Disclosure* m_builtIn = nullptr;
    Switch* m_keepClips = nullptr;
    QComboBox* m_retention = nullptr;
    Disclosure* m_ignored = nullptr;
    QVBoxLayout* m_ignoredRows = nullptr;
    QLabel* m_clipCount = nullptr;
    QPushButton* m_clearClips = nullptr;
    SettingsSection* m_updatesSection = nullptr;
    Switch* m_autoUpdate = nullptr;
    QPushButton* m_checkNow = nullptr;
    QLabel* m_historyCount = nullptr;
    QPushButton* m_clearHistory = nullptr;
};

} // namespace zarvo::ui
