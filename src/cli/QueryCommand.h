#pragma once

#include "search/ResultItem.h"

#include <QJsonObject>
#include <QStringList>

namespace zarvo::cli {

// `zarvo-cli query [--json] TEXT`: the rows the panel would show for TEXT.
int runQueryCommand(const QStringList& args);

// One row as JSON: every field of the record (absent optionals as null) plus `name` and `historyKey`.
QJsonObject rowJson(const ResultItem& item);

} // namespace zarvo::cli
