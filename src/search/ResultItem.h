#pragma once

#include "sources/SystemAction.h"

#include <QString>
#include <QUrl>
#include <QUuid>
#include <functional>
#include <optional>

namespace zarvo {

struct Clip;
class Clock;
class Workspace;

// One row of the panel, whatever produced it. A plain value.
struct ResultItem {
    enum class Source {
        path,
        history,
        spotlight,
        web,
        shortcut,
        favorite,
        clipboard,
        command,
        network,
        help,
        clip
    };

    QUrl url;
    Source source = Source::path;
    bool isDirectory = false;
    std::optional<QString> title;
    std::optional<QString> subtitle;
    std::optional<QString> iconPath;
    std::optional<QString> symbol;
    std::optional<QString> keyword;
    std::optional<SystemAction> systemAction;
    std::optional<QString> command;
    std::optional<QString> example;
    std::optional<QUuid> clipID;
    bool isPinned = false;

    bool operator==(const ResultItem&) const = default;

    // The key under which history, favourites and de-duplication know the item.
    QString historyKey() const;
    // The display title.
    QString name() const;

    static ResultItem file(const Workspace* workspace, const QString& path, Source source);
    // The file row for a path that exists (one file-system test), or none.
    static std::optional<ResultItem> existingFile(const Workspace* workspace, const QString& path,
                                                  Source source);
    // A `>` command row (the field `command` takes the plain name).
    static ResultItem commandItem(const Workspace* workspace, const QString& command, Source source);
    static ResultItem network(const QUrl& url, Source source);
    static const QUrl& clipsURL();
    // The row that opens the clipboard tab, named with the clipboard's hot key as shown.
    static ResultItem clipboardHistory(int count, const QString& clipHotKey);
    // A clip's row; its age is counted to the clock's now (the system time without one).
    static ResultItem clip(const Clock* clock, const Clip& clip);

    static QString sourceName(Source source);
};

size_t qHash(const ResultItem& item, size_t seed = 0);

// One entry of the actions menu. Identity is the title.
struct ItemAction {
    QString title;
    QString symbol;
    std::optional<QString> shortcut;
    bool isDestructive = false;
    std::function<void()> perform;
    // A menu draws a separator before it.
    bool startsGroup = false;
};

// One application offered in the Open With bar. Identity is its location.
struct AppChoice {
    QString url;
    bool operator==(const AppChoice&) const = default;

    // The lists of the Open With bar (defined with the web search engines), at most 9 each, as the
    // workspace knows the applications (none without one).
    // Browsers for a web address: the default browser first.
    static QList<AppChoice> browsers(const Workspace* workspace, const QUrl& url);
    // Applications for a file row; file manager, terminals and editors for a folder row.
    static QList<AppChoice> candidates(const Workspace* workspace, const ResultItem& item);
    // Keeps the first location of each application (same identifier, or same location without one).
    static QList<QString> unique(const Workspace* workspace, const QList<QString>& applications);
};

inline size_t qHash(const AppChoice& choice, size_t seed = 0) {
    return qHash(choice.url, seed);
}

} // namespace zarvo
