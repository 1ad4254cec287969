#pragma once

#include "search/ResultItem.h"

#include <QList>
#include <QObject>
#include <QStringList>
#include <memory>
#include <optional>

namespace zarvo {

class AppCatalog;
class ClipboardTab;
class ClipStore;
class Favorites;
class History;
class HotKeyManager;
class KeyMap;
class MetadataQueryFactory;
class PanelModes;
struct PanelShell;
struct Platform;
class Pasteboard;
class QueryPipeline;
class ResultActions;
class Settings;

// The panel's published state: the query text, the mode and tab, the ranked rows, the selection and the
// message. What acts on it lives in its parts (the query pipeline, the result actions, the clipboard
// tab, the modes and the key map), built here with the services each needs. Views observe `changed()`
// and redraw; everything runs on the main thread.
class SearchModel : public QObject {
    Q_OBJECT
public:
    enum class Mode { search, actions, rename, clips };
    enum class Tab { run, clipboard };

    // The stores and services the parts work with. The clip store and the metadata search may be
    // absent (a headless run without capture or without a file index): their rows are then left out.
    struct Services {
        // The desktop's services the parts reach: workspace, clock, environment, key synthesiser …
        const Platform& platform;
        Settings& settings;
        History& history;
        Favorites& favorites;
        ClipStore* clips = nullptr;
        MetadataQueryFactory* metadata = nullptr;
        Pasteboard* pasteboard = nullptr;
        // The installed applications: their rows, names and ranking. None: applications are files.
        const AppCatalog* applications = nullptr;
        // How the system-wide keys reach us, for the texts that name them. None: named as set.
        const HotKeyManager* hotKeys = nullptr;
    };
    // Where the text box should be focused and how: a new token asks the view to focus it again.
    struct FocusRequest {
        int token = 0;
        bool selectBaseName = false;
        bool caretAtEnd = false;
    };

    explicit SearchModel(Services services, QObject* parent = nullptr);
    ~SearchModel() override;

    const QString& query() const { return m_query; }
    // The text typed: what it means depends on the mode (a search, a filter of the actions or clips).
    void setQuery(const QString& text);
    Mode mode() const { return m_mode; }
    // The clipboard tab, or the actions menu or rename opened from it.
    bool isShowingClips() const;
    const QList<ResultItem>& results() const { return m_results; }
    void setResults(const QList<ResultItem>& items);
    int selectedIndex() const { return m_selectedIndex; }
    // `byUser`: a pick of the user's, which later file results keep selected.
    void setSelectedIndex(int index, bool byUser = false);
    std::optional<ResultItem> selected() const;
    const std::optional<QString>& message() const { return m_message; }
    void setMessage(const std::optional<QString>& text);
    bool isSearching() const { return m_isSearching; }
    const QStringList& deniedFolders() const { return m_deniedFolders; }
    const FocusRequest& focusRequest() const { return m_focus; }
    // The actions menu: its rows as filtered, the highlighted one, and the row it acts on.
    const QList<ItemAction>& actions() const { return m_actions; }
    int actionIndex() const { return m_actionIndex; }
    const std::optional<ResultItem>& actionTarget() const { return m_actionTarget; }
    // The row key a second press of ↩ confirms (a runnable file from the clipboard, a power action).
    const std::optional<QString>& pendingConfirmation() const { return m_pendingConfirmation; }
    // The Clear control asked for its confirmation, which lasts 4 seconds.
    bool confirmingClear() const { return m_confirmingClear; }
    // The text put in the box from the clipboard when the panel was shown, while it stays unchanged.
    const std::optional<QString>& clipboardPrefill() const { return m_clipboardPrefill; }

    QueryPipeline& pipeline() { return *m_pipeline; }
    ResultActions& resultActions() { return *m_resultActions; }
    ClipboardTab& clipboardTab() { return *m_clipboardTab; }
    PanelModes& modes() { return *m_modes; }
    KeyMap& keyMap() { return *m_keyMap; }
    // What the application shell installs: dismissing the panel, the settings window, alerts …
    PanelShell& shell() { return *m_shell; }

signals:
    // Any published field changed.
    void changed();

private:
    friend class QueryPipeline;
    friend class ResultActions;
    friend class ClipboardTab;
    friend class PanelModes;
    friend class KeyMap;

    void publish() { emit changed(); }
    // Says why nothing happened, with the beep that goes with every refusal.
    void refuse(const QString& text);

    QString m_query;
    QList<ResultItem> m_results;
    int m_selectedIndex = 0;
    bool m_userMovedSelection = false;
    bool m_isSearching = false;
    std::optional<QString> m_message;
    QStringList m_deniedFolders;
    FocusRequest m_focus;
    Mode m_mode = Mode::search;
    // The mode the actions menu or rename returns to, and the text it gives back.
    Mode m_actionReturnMode = Mode::search;
    QString m_savedQuery;
    QList<ItemAction> m_actions;
    int m_actionIndex = 0;
    std::optional<ResultItem> m_actionTarget;
    std::optional<QString> m_pendingConfirmation;
    std::optional<QString> m_clipboardPrefill;
    bool m_confirmingClear = false;

    std::unique_ptr<PanelShell> m_shell;
    std::unique_ptr<QueryPipeline> m_pipeline;
    std::unique_ptr<ResultActions> m_resultActions;
    std::unique_ptr<ClipboardTab> m_clipboardTab;
    std::unique_ptr<PanelModes> m_modes;
    std::unique_ptr<KeyMap> m_keyMap;
};

} // namespace zarvo
