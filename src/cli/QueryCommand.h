#pragma once

#include "search/ResultItem.h"
#include "search/SearchModel.h"

#include <QJsonObject>
#include <QStringList>
#include <functional>

namespace zarvo::cli {

// What a command printed and its exit code, for a command run on behalf of another process.
struct CommandOutput {
    int code = 0;
    QString out, err;
};

// `zarvo-cli query [--json] TEXT`: the rows the panel would show for TEXT.
int runQueryCommand(const QStringList& args);
// The same on the given services (the running application's own index); `done` gets the outcome on this
// thread once the file search has finished, without blocking it meanwhile.
void runQuery(const SearchModel::Services& services, const QStringList& args,
              std::function<void(const CommandOutput&)> done);

// One row as JSON: every field of the record (absent optionals as null) plus `name` and `historyKey`.
QJsonObject rowJson(const ResultItem& item);

} // namespace zarvo::cli
