#pragma once

#include "platform/AppInfo.h"
#include "search/ResultItem.h"

#include <QList>
#include <QObject>
#include <QUrl>
#include <functional>
#include <optional>

namespace zarvo {

class AppCatalog;
class ClipStore;
class Favorites;
class History;
class Pasteboard;
struct Platform;
class SearchModel;
class Workspace;
class Settings;
struct Clip;
struct PanelShell;

// What can be done with a row: open, reveal, preview, paste, copy, duplicate, compress, move, trash,
// favorite, forget, and the actions menu that lists them. No item means nothing to act on; the key map
// passes target().
class ResultActions : public QObject {
    Q_OBJECT
public:
    struct Services {
        const Platform& platform;
        Settings& settings;
        History& history;
        Favorites& favorites;
        ClipStore* clips = nullptr;
        Pasteboard* pasteboard = nullptr;
        const AppCatalog* applications = nullptr;
    };
    ResultActions(SearchModel& model, const PanelShell& shell, Services services);

    // The selected row, or what the typed text names (a web address, an existing path).
    std::optional<ResultItem> target() const;
    // The applications that open the selected row, worked out when first read after a change.
    const QList<AppChoice>& apps() const;
    void openWith(int index);
    void open(const std::optional<ResultItem>& item, const std::optional<QString>& application = std::nullopt,
              bool isKeyRepeat = false);
    void reveal(const std::optional<ResultItem>& item);
    void quickLook(const std::optional<ResultItem>& item);
    // The file the preview shows; the key map moves it with the selection.
    const std::optional<QUrl>& previewURL() const { return m_previewURL; }
    void setPreviewURL(const QUrl& url);
    void openInTerminal(const std::optional<ResultItem>& item);
    void getInfo(const ResultItem& item);

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
    // The one line shown when the paste could not be made for the user.
    static QString copiedForPasting(const std::optional<PasteKeys>& keys);

    void copyPath(const std::optional<ResultItem>& item);
    void copyFile(const std::optional<ResultItem>& item);
    void copyText(const QString& text);
    void toggleFavorite(const std::optional<ResultItem>& item);
    void removeFromHistory(const ResultItem& item);

    void duplicate(const std::optional<ResultItem>& item);
    void compress(const std::optional<ResultItem>& item);
    void moveTo(const std::optional<ResultItem>& item);
    // Moves a file into a folder without asking; the error text, or none on success.
    std::optional<QString> moveInto(const ResultItem& item, const QString& folder);
    void moveToTrash(const std::optional<ResultItem>& item);

    // The actions menu's rows for an item, in this desktop's words.
    QList<ItemAction> buildActions(const ResultItem& item);
    // The short menu a row's context click shows, in this desktop's words.
    QList<ItemAction> contextActions(const ResultItem& item);
    // Copies, archives, trashing, ejecting and pasteboard restores still under way.
    int pendingOperations() const { return m_pendingOperations; }
    // The pasteboard was just written by us: count the change as our own copy.
    void markOwnChange();
    Pasteboard* pasteboard() const;

signals:
    // The last background operation ended.
    void operationsFinished();

private:
    // A second, separate press on the row `key` confirms; holding the key down never does. The first
    // shows `prompt` with the beep.
    bool confirm(const QString& key, const QString& prompt, bool isKeyRepeat);
    // A keyword row's system action (SystemActionOpen.cpp).
    void openSystemAction(const ResultItem& item, bool isKeyRepeat);
    void finishBackgroundOperation(const QUrl& url, const QString& text);
    QList<ItemAction> rowActions(const ResultItem& item);
    QList<ItemAction> clipActions(const ResultItem& item, const Clip& clip);
    QString frontAppName(const QString& fallback) const;
    // The desktop's workspace; none in a process without one.
    Workspace* workspace() const;
    void beginOperation();
    void endOperation();

    SearchModel& m;
    const PanelShell& m_shell;
    Services m_services;
    mutable QList<AppChoice> m_apps;
    mutable std::optional<std::optional<ResultItem>> m_appsFor;
    std::optional<QUrl> m_previewURL;
    int m_pendingOperations = 0;
};

} // namespace zarvo
