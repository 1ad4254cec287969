#pragma once

#include <QStringList>
#include <QTextStream>
#include <optional>

namespace zarvo {
class AppCatalog;
namespace index {
class FileIndex;
}
} // namespace zarvo

// `zarvo-cli index status [--json]` and `zarvo-cli index rebuild [--root DIR]…`. `args` are the
// words after "index". Returns the process exit code.
int runIndexCommand(const QStringList& args);

// `index status` answered by the running application from its live index (its watches, the folders
// it could not watch, a crawl under way). None when it has no index or the words are not a status
// request: the command then runs in the caller's process, from the snapshot.
std::optional<int> runLiveIndexStatus(const zarvo::index::FileIndex* live,
                                      const zarvo::AppCatalog* applications,
                                      const QStringList& applicationFolders, const QStringList& args,
                                      QTextStream& out);
