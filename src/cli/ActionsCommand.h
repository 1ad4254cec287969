#pragma once

#include <QStringList>

namespace zarvo::cli {

// `zarvo-cli open [--select N] [--yes] TEXT`: ↩ on row N (1 = first) of TEXT's results, as the panel does;
// --yes answers a confirmation with a second ↩.
int runOpenCommand(const QStringList& args);

// `zarvo-cli actions [--select N] TEXT [--json] [--run TITLE] [--to NAME|DIR] [--yes]`: the actions menu
// of the row, or one of its actions that needs no window (copying, duplicate, compress, rename and move
// with --to, trash, favourites, history, clips).
int runActionsCommand(const QStringList& args);

} // namespace zarvo::cli
