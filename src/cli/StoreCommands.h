#pragma once

#include <QStringList>
#include <QTextStream>

// `zarvo-cli history|favorites|settings …`: the stores of the shared instances, from a shell.
// `args` are the words after the subcommand's name. Exit codes: 0 done, 1 refused (bad value),
// 2 usage error.
namespace zarvo::cli {

// history list [--json] [--frecency] | add KEY | remove KEY | clear
int runHistoryCommand(const QStringList& args);
// favorites list [--json] | toggle KEY | remove KEY
int runFavoritesCommand(const QStringList& args);
// settings list [--json] | get KEY [--json] | set KEY VALUE
int runSettingsCommand(const QStringList& args);

// The same, writing to the given streams (for tests).
int runHistoryCommand(const QStringList& args, QTextStream& out, QTextStream& err);
int runFavoritesCommand(const QStringList& args, QTextStream& out, QTextStream& err);
int runSettingsCommand(const QStringList& args, QTextStream& out, QTextStream& err);

} // namespace zarvo::cli

using zarvo::cli::runFavoritesCommand;
using zarvo::cli::runHistoryCommand;
using zarvo::cli::runSettingsCommand;
