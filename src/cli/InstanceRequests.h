#pragma once

#include "search/SearchModel.h"

#include <QByteArray>
#include <QJsonObject>
#include <QStringList>
#include <QTextStream>
#include <functional>
#include <optional>

namespace zarvo {
class ClipStore;
class Environment;
} // namespace zarvo

namespace zarvo::cli {

// While the application runs it is the one writer of the clip store and holds the resident file index,
// so zarvo-cli hands it the commands that need either (every `clips` command but `watch`, and
// `query`), and those of the stores it keeps in memory (`settings`, `history`, `favorites`) as a request
// {"type":"cli","args":[…],"cwd":…,"stdin":…,"terminal":…} on the instance socket; the application runs the
// same command code on its own store and services and answers
// {"out":…,"err":…,"code":N}.

// How long zarvo-cli waits for the application's answer (a query waits for the file search).
inline constexpr int kForwardTimeoutMs = 60000;

// Whether the command line (after the program name) is carried out by a running application.
// `clipDirectory` is the store the application keeps; `clips --dir` naming another store runs here.
bool isCarriedOutByInstance(const QStringList& args, const QString& clipDirectory);
// Whether the command reads standard input (`clips add` without --file, or with --type).
bool readsStandardInput(const QStringList& args);

// Sends the command to this user's running application and prints its answer. None when no instance
// of this user runs (the caller runs the command itself); 1 with a message when one runs but the
// exchange failed, so the command is never run here beside it. `input` is standard input as read.
std::optional<int> forwardToInstance(const Environment& environment, const QStringList& args,
                                     const QByteArray& input, QTextStream& out, QTextStream& err,
                                     int timeoutMs = kForwardTimeoutMs);

// The application's side: carries out one "cli" request on its own clip store and services. `reply`
// gets the answer on this thread, at once for clip commands, after the file search for a query.
void handleCliRequest(const QJsonObject& request, ClipStore& clips, const SearchModel::Services& services,
                      std::function<void(const QJsonObject&)> reply);
// The same, waiting for the answer (a query spins an event loop meanwhile: prefer the form above).
QJsonObject handleCliRequest(const QJsonObject& request, ClipStore& clips,
                             const SearchModel::Services& services);

} // namespace zarvo::cli
