#pragma once

#include "search/ResultItem.h"
#include "sources/SystemAction.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>
#include <variant>

namespace zarvo {

struct CustomShortcut;
struct Platform;

// A Run keyword: the Windows name, its other names, and what it opens.
struct Shortcut {
    // An absolute file-system path.
    struct Path {
        QString path;
        bool operator==(const Path&) const = default;
    };
    // Application identifiers, tried in order; the first installed one wins.
    struct App {
        QStringList bundleIdentifiers;
        bool operator==(const App&) const = default;
    };
    // A System Settings pane; none means the settings application itself.
    struct SettingsPane {
        std::optional<QString> pane;
        bool operator==(const SettingsPane&) const = default;
    };
    // A user keyword's target text, resolved when the keyword is matched.
    struct Custom {
        QString target;
        bool operator==(const Custom&) const = default;
    };
    struct System {
        SystemAction action;
        bool operator==(const System&) const = default;
    };
    using Target = std::variant<Path, App, SettingsPane, Custom, System>;

    QString keyword;
    QStringList aliases;
    QString title;
    Target target;

    bool operator==(const Shortcut&) const = default;
};

namespace Shortcuts {

// Keywords resolve on the platform they are given: folders through its environment and workspace,
// applications and settings panes through its workspace.

// The built-in table: folders, applications, settings panes, then one row per system action. Folder
// paths are this platform's places for the table's macOS folders.
QList<Shortcut> builtIn(const Platform& platform);
// The user's keywords (in stored order) followed by the built-ins they do not hide.
QList<Shortcut> all(const Platform& platform, const QList<CustomShortcut>& custom);

// Keyword rows for typed text among `shortcuts`, at most 6; the text "?" gives every keyword that
// resolves.
QList<ResultItem> matches(const Platform& platform, const QString& text, ResultItem::Source source,
                          const QList<Shortcut>& shortcuts);
// The row of the first keyword equal to `keyword` (case-sensitive, aliases ignored), if it resolves.
std::optional<ResultItem> itemForKeyword(const Platform& platform, const QString& keyword,
                                         ResultItem::Source source, const QList<Shortcut>& shortcuts);
// One keyword as a row; none when its target is unavailable.
std::optional<ResultItem> item(const Platform& platform, const Shortcut& shortcut, ResultItem::Source source);

} // namespace Shortcuts

} // namespace zarvo
