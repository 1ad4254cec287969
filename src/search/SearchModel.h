#pragma once

#include "search/ResultItem.h"
#include "search/SearchQuery.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <QUrl>
#include <functional>
#include <memory>
#include <optional>

namespace zarvo {

class ClipStore;
class Favorites;
class History;
class MetadataQueryFactory;
class Pasteboard;
class Settings;
class SpotlightSearch;
struct Clip;

// The one model behind the panel: the query text, the ranked rows, the selection, and the modes of the
// text box. Views observe `changed()` and redraw; everything runs on the main thread.
class SearchModel : public QObject {
    Q_OBJECT
public:
    enum class Mode { search, actions, rename, clips };
    enum class Tab { run, clipboard };

    // The stores and services the model works with. The clip store and the metadata search may be
    // absent (a headless run without capture or without a file index): their rows are then left out.
    struct Services {
        Settings& settings;
        History& history;
        Favorites& favorites;
        ClipStore* clips = nullptr;
        MetadataQueryFactory* metadata = nullptr;
        Pasteboard* pasteboard = nullptr;
    };

    explicit SearchModel(Services services, QObject* parent = nullptr);
    ~SearchModel() override;

    // --- Published state ---------------------------------------------------------------------------
    const QString& query() const { return m_query; }
    void setQuery(const QString& text);
    const QList<ResultItem>& results() const { return m_results; }
    void setResults(const QList<ResultItem>& items);
    int selectedIndex() const { return m_selectedIndex; }
    void setSelectedIndex(int index);
    std::optional<ResultItem> selected() const;
    const QList<AppChoice>& apps() const { return m_apps; }
    bool isSearching() const { return m_isSearching; }
    const std::optional<QString>& message() const { return m_message; }
    void setMessage(const std::optional<QString>& text);
    const QStringList& deniedFolders() const { return m_deniedFolders; }
    int focusToken() const { return m_focusToken; }
    bool selectBaseNameOnFocus() const { return m_selectBaseNameOnFocus; }
    bool caretAtEndOnFocus() const { return m_caretAtEndOnFocus; }
    Mode mode() const { return m_mode; }
    const QList<ItemAction>& actions() const { return m_actions; }
    int actionIndex() const { return m_actionIndex; }
    const std::optional<ResultItem>& actionTarget() const { return m_actionTarget; }
    bool confirmingClear() const { return m_confirmingClear; }
    const std::optional<QUrl>& previewURL() const { return m_previewURL; }
    bool userMovedSelection() const { return m_userMovedSelection; }
    const std::optional<QString>& clipboardPrefill() const { return m_clipboardPrefill; }
    const std::optional<QString>& pendingConfirmation() const { return m_pendingConfirmation; }
    bool isShowingClips() const;

    // Installed by the application shell.
    std::function<void()> onDismiss = [] {};
    std::function<void()> onOpenSettings = [] {};
    std::function<void()> onQuickLook = [] {};

    // --- The search pipeline ----------------------------------------------------------------------
    void scheduleSearch();
    void runSearch();
    // True while a debounced search waits to run.
    bool hasPendingSearch() const { return m_pendingSearch.isActive(); }
    void move(int delta);
    void complete();
    void prepareForShow(bool clips);
    void restoreSearch();
    void focus(bool baseName, bool caretAtEnd);
    void refreshFolderAccess();

    QList<ResultItem> libraryItems(const std::optional<QString>& text) const;
    QList<ResultItem> commandItems(const QString& command) const;
    std::optional<ResultItem> resolve(const QString& key, ResultItem::Source source) const;
    static QList<ResultItem> unique(const QList<ResultItem>& items);

    // --- The clipboard tab ------------------------------------------------------------------------
    void switchTab(Tab tab);
    void openClips(const QString& text);
    void leaveClips();
    void filterClips(const std::optional<QUuid>& keeping);
    void observeClips();
    std::optional<Clip> selectedClip() const;
    std::optional<Clip> clip(const std::optional<ResultItem>& item) const;
    void cancelClearConfirmation();

    // --- The actions menu -------------------------------------------------------------------------
    // Narrows `allActions` by fuzzy score of the typed text, best first.
    void filterActions();

signals:
    // Any published field changed.
    void changed();

protected:
    void updateApps();
    void publish() { emit changed(); }
    int clipCount() const;
    std::optional<QString> prefillFromPasteboard() const;

    Services m_services;
    std::unique_ptr<SpotlightSearch> m_spotlight;

    QString m_query;
    QList<ResultItem> m_results;
    int m_selectedIndex = 0;
    bool m_userMovedSelection = false;
    QList<AppChoice> m_apps;
    bool m_isSearching = false;
    std::optional<QString> m_message;
    QStringList m_deniedFolders;
    int m_focusToken = 0;
    bool m_selectBaseNameOnFocus = false;
    bool m_caretAtEndOnFocus = false;
    Mode m_mode = Mode::search;
    QList<ItemAction> m_actions;
    int m_actionIndex = 0;
    std::optional<ResultItem> m_actionTarget;
    QList<ItemAction> m_allActions;
    QString m_savedQuery;
    Mode m_actionReturnMode = Mode::search;
    bool m_confirmingClear = false;
    QTimer m_clearTimeout;
    std::optional<QUrl> m_previewURL;
    QTimer m_pendingSearch;
    std::optional<QString> m_pendingConfirmation;
    std::optional<QString> m_clipboardPrefill;
    bool m_clipsObserved = false;
    // Bumped by every file search start, so late results of an older search are recognised.
    quint64 m_searchGeneration = 0;

private:
    void onQueryChanged();
    void startFileSearch(const QString& text, const SearchQuery& q, const QList<ResultItem>& base,
                         const QList<ResultItem>& fallback);
    void mergeFileResults(const QString& text, const SearchQuery& q, const QList<ResultItem>& base,
                          const QList<ResultItem>& fallback, const QHash<QString, double>& frecency,
                          const QSet<QString>& favorites, const QStringList& paths, bool finished);
};

} // namespace zarvo
