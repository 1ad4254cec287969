#pragma once

#include "platform/AppInfo.h"
#include "search/KeyEvent.h"
#include "search/Ranking.h"
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

class AppCatalog;
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
        // The installed applications: their rows, names and ranking. None: applications are files.
        const AppCatalog* applications = nullptr;
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
    // The applications that open the selected row, worked out when first read after a change.
    const QList<AppChoice>& apps() const;
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
    void setUserMovedSelection(bool moved) { m_userMovedSelection = moved; }
    const std::optional<QString>& clipboardPrefill() const { return m_clipboardPrefill; }
    const std::optional<QString>& pendingConfirmation() const { return m_pendingConfirmation; }
    bool isShowingClips() const;

    // Installed by the application shell.
    std::function<void()> onDismiss = [] {};
    std::function<void()> onOpenSettings = [] {};
    std::function<void()> onQuickLook = [] {};
    // The system beep that goes with every refusal.
    std::function<void()> onBeep = [] {};
    // Move to…: the shell shows a modal folder chooser (with the application activated) and gives the
    // chosen folder, or none when cancelled; alerts are modal too. Afterwards the shell hides the
    // application again through onHideApplication.
    struct FolderRequest {
        QString prompt;  // the accept button
        QString message; // the chooser's title
        QString startFolder;
        bool operator==(const FolderRequest&) const = default;
    };
    std::function<std::optional<QString>(const FolderRequest&)> chooseFolder = [](const FolderRequest&) {
        return std::optional<QString>();
    };
    std::function<void(const QString& text)> showAlert = [](const QString&) {};
    std::function<void()> onActivateApplication = [] {};
    std::function<void()> onHideApplication = [] {};

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
    // The same, and an installed application is listed once even when a keyword row and a found or
    // remembered row (different keys) both stand for it: the first one stays.
    static QList<ResultItem> unique(const QList<ResultItem>& items, const AppCatalog* applications);

    // --- The clipboard tab ------------------------------------------------------------------------
    void switchTab(Tab tab);
    void openClips(const QString& text);
    void leaveClips();
    void filterClips(const std::optional<QUuid>& keeping);
    // The clipboard tab's standing message: none, or that history is off.
    void showClipsState();
    void observeClips();
    std::optional<Clip> selectedClip() const;
    std::optional<Clip> clip(const std::optional<ResultItem>& item) const;
    // Puts the clip of `item` on the clipboard, as plain text or whole; refuses (saying `nothing` when
    // there is no clip) and answers none when it cannot.
    std::optional<Clip> writeClip(const std::optional<ResultItem>& item, bool plainText,
                                  const QString& nothing);
    void cancelClearConfirmation();

    // --- The actions menu -------------------------------------------------------------------------
    // Narrows `allActions` by fuzzy score of the typed text, best first.
    void filterActions();

    // --- Keys and modes (SearchModelKeys.cpp) -------------------------------------------------------
    // True when the model consumed the key; false leaves it to the text field.
    bool handleKey(const KeyEvent& event);
    bool handleClipKey(int key, bool isReturn, bool cmd, bool opt, const QString& chars);
    // While the preview is open: the arrows move the selection and the preview follows it.
    bool handleQuickLookKey(const KeyEvent& event);
    void showActions(const std::optional<ResultItem>& item);
    void performAction(int index);
    void startRename(const ResultItem& item);
    void commitRename();
    // The Clear control: the first call asks for confirmation (for 4 seconds), the second clears.
    void clearHistory();
    bool canClearHistory() const;
    // Opening a help row.
    void tryHelp(const ResultItem& item);

    // --- Result actions (ItemActions.cpp). No item means nothing to act on; the key map passes target().
    std::optional<ResultItem> target() const;
    void open(const std::optional<ResultItem>& item, const std::optional<QString>& application = std::nullopt,
              bool isKeyRepeat = false);
    void openWith(int index);
    // A keyword row's system action (SystemActionOpen.cpp).
    void openSystemAction(const ResultItem& item, bool isKeyRepeat);
    void reveal(const std::optional<ResultItem>& item);
    void quickLook(const std::optional<ResultItem>& item);
    void openInTerminal(const std::optional<ResultItem>& item);
    void pastePathIntoFrontApp(const std::optional<ResultItem>& item);
    // Whether the paste keys can be posted; without, pasting leaves the text on the clipboard and says
    // which keys paste it.
    bool canSendPaste();
    // The keys the application in front pastes with; none when it is not known.
    std::optional<PasteKeys> frontPasteKeys() const;
    // Posts the keys once the panel has gone; `failed` runs when they could not be posted.
    void sendPasteKeystroke(PasteKeys keys, std::function<void()> failed = {});
    // Offers the text as the primary selection too when the front application pastes that.
    void offerSelection(const std::optional<PasteKeys>& keys, const QString& text);
    void copyPath(const std::optional<ResultItem>& item);
    void copyFile(const std::optional<ResultItem>& item);
    void copyText(const QString& text);
    void duplicate(const std::optional<ResultItem>& item);
    void compress(const std::optional<ResultItem>& item);
    void moveTo(const std::optional<ResultItem>& item);
    // Moves a file into a folder without asking; the error text, or none on success.
    std::optional<QString> moveInto(const ResultItem& item, const QString& folder);
    void moveToTrash(const std::optional<ResultItem>& item);
    void toggleFavorite(const std::optional<ResultItem>& item);
    void getInfo(const ResultItem& item);
    void removeFromHistory(const ResultItem& item);
    void copyClip(const std::optional<ResultItem>& item, bool plainText, bool close);
    void pasteClip(const std::optional<ResultItem>& item, bool plainText);
    void togglePin(const std::optional<ResultItem>& item);
    void deleteClip(const std::optional<ResultItem>& item);
    QList<ItemAction> buildActions(const ResultItem& item);
    QList<ItemAction> clipActions(const ResultItem& item, const Clip& clip);
    void finishBackgroundOperation(const QUrl& url, const QString& text);
    // Copies, archives, trashing, ejecting and pasteboard restores still under way.
    int pendingOperations() const { return m_pendingOperations; }

signals:
    // Any published field changed.
    void changed();
    // The last background operation ended.
    void operationsFinished();

protected:
    void updateApps();
    void publish() { emit changed(); }
    int clipCount() const;
    std::optional<QString> prefillFromPasteboard() const;

    Services m_services;
    std::unique_ptr<SpotlightSearch> m_spotlight;
    // What found paths are dropped as noise, with this environment's folders.
    Ranking::Noise m_noise;

    QString m_query;
    QList<ResultItem> m_results;
    int m_selectedIndex = 0;
    bool m_userMovedSelection = false;
    mutable QList<AppChoice> m_apps;
    mutable bool m_appsStale = true;
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
    void refuse(const QString& text);
    // A second, separate press on the row `key` confirms; holding the key down never does. The first
    // shows `prompt` with the beep.
    bool confirm(const QString& key, const QString& prompt, bool isKeyRepeat);
    void beginOperation();
    void endOperation();
    Pasteboard* pasteboard() const;
    // The pasteboard was just written by us: count the change as our own copy.
    void markOwnChange();
    QString frontAppName(const QString& fallback) const;
    bool pressedTabSwitch(const KeyEvent& event) const;
    // Stops the debounced search and the running file search.
    void cancelSearches();
    int m_pendingOperations = 0;
    QMetaObject::Connection m_clearTimeoutConnection;

    void onQueryChanged();
    void startFileSearch(const QString& text, const SearchQuery& q, const QList<ResultItem>& base,
                         const QList<ResultItem>& fallback);
    void mergeFileResults(const QString& text, const SearchQuery& q, const QList<ResultItem>& base,
                          const QList<ResultItem>& fallback, const QHash<QString, double>& frecency,
                          const QSet<QString>& favorites, const QStringList& paths, bool finished);
};

} // namespace zarvo
