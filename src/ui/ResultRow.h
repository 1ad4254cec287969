#pragma once

#include "search/ResultItem.h"

#include <QString>
#include <optional>

namespace zarvo {
class Settings;
}

namespace zarvo::ui {

// What one result row shows, decided from the item alone; the delegate paints it.
namespace ResultRow {
// The capsule at the end of the row, or none.
std::optional<QString> tag(const ResultItem& item, const Settings& settings);
// The second line: the item's own subtitle, else a file's path with "~" for the home folder.
QString subtitle(const ResultItem& item, const QString& homePath);
// Help rows wrap their subtitle onto two lines; all others keep one, shortened in the middle.
int subtitleLines(const ResultItem& item);
// Whether the row has a copy button, and its tooltip.
bool hasCopyButton(const ResultItem& item);
QString copyHelp(const ResultItem& item);
// Whether the row has a reveal button (files that are not clips).
bool hasRevealButton(const ResultItem& item);
QString revealHelp();

// The kind of thing the row stands for, one word or two ("folder", "application", "web search").
QString kind(const ResultItem& item);
// What a screen reader says after the name: kind, subtitle, and the marks drawn beside the name.
QString spokenDetails(const ResultItem& item, const QString& homePath, bool favorite);

enum class IconKind { thumbnail, symbol, iconPath, fileIcon, globe };
// Which picture stands at the start of the row; `hasThumbnail` says whether the clip store has one.
IconKind iconKind(const ResultItem& item, bool hasThumbnail);
} // namespace ResultRow

} // namespace zarvo::ui
