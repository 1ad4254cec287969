#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace zarvo {

// How well a typed word matches a name: rewards word starts and runs of adjacent letters.
namespace Fuzzy {
// The score of one word in a name, or none when the word does not match.
std::optional<int> wordScore(const QString& word, const QString& name);
// Sum of the scores of the query's whitespace-separated words; 0 for no words; none if one misses.
std::optional<int> score(const QString& query, const QString& name);
// The same, but each word must be where a word of the name starts ("line" in "commandLine" or
// "command line", never "dl" in "commandline"): for names that only describe, such as keywords.
std::optional<int> wordStartScore(const QString& query, const QString& name);
namespace detail {
// wordScore by grapheme clusters throughout, without the shortcuts for simple text; tests compare the two.
std::optional<int> graphemeWordScore(const QString& word, const QString& name);
} // namespace detail
} // namespace Fuzzy

// Orders found file paths by name match plus a boost, noise removed.
namespace Ranking {
QStringList rank(const QStringList& paths, const QString& query,
                 const std::function<int(const QString&)>& boost);
// What an installed application is found by, for ranking: `names`, of which the first `exactCount` may
// equal the query as a whole. The first `ownCount` are its own (name, program) and match anywhere; the
// others (generic name, keywords) only at word starts. Paths it answers for rank as application
// bundles, by those names.
struct ApplicationNames {
    QStringList names;
    int exactCount = 0;
    int ownCount = 1;
};
using ApplicationLookup = std::function<std::optional<ApplicationNames>(const QString& path)>;
class Noise;
// Without `noise`, only the rules that need no user folders drop paths.
QStringList rank(const QStringList& paths, const QString& query,
                 const std::function<int(const QString&)>& boost, const ApplicationLookup& applications,
                 const Noise* noise = nullptr);
// Whether the path is noise by the rules that need no user folders.
bool isNoise(const QString& path);
} // namespace Ranking

} // namespace zarvo
