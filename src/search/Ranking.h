#pragma once

#include "search/Fuzzy.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <functional>

namespace zarvo::Ranking {

// What history and favourites add to a found path's score: its frecency capped at 400 and divided by
// 10 (at most 40), plus 30 for a favourite. Paths never opened add nothing.
int boost(std::optional<double> frecency, bool favorite);

// The boost function the search pipeline hands to rank(), over one snapshot of the history's frecency
// table and the favourite keys (a file's key is its path).
std::function<int(const QString&)> pipelineBoost(QHash<QString, double> frecencyTable,
                                                 QSet<QString> favorites);

} // namespace zarvo::Ranking
