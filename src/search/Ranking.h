#pragma once

#include "search/Fuzzy.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <functional>
#include <vector>

namespace zarvo {
class Environment;
}

namespace zarvo::Ranking {

// Paths never listed as found: caches, the Trash, build output, bundle internals and our own store.
// Built once per environment; contains() runs for every result, so it only compares text.
class Noise {
public:
    // The rules that need no user folder.
    Noise() = default;
    // Those and the rules under this environment's home, data and cache folders.
    explicit Noise(const Environment& environment);
    bool contains(const QString& path) const;

private:
    // Each rule under a user folder as its pieces: the folder with the rule's start, then the parts
    // that follow a folder name of any kind.
    std::vector<QStringList> m_rooted;
};

// What history and favourites add to a found path's score: its frecency capped at 400 and divided by
// 10 (at most 40), plus 30 for a favourite. Paths never opened add nothing.
int boost(std::optional<double> frecency, bool favorite);

// The boost function the search pipeline hands to rank(), over one snapshot of the history's frecency
// table and the favourite keys (a file's key is its path).
std::function<int(const QString&)> pipelineBoost(QHash<QString, double> frecencyTable,
                                                 QSet<QString> favorites);

} // namespace zarvo::Ranking
