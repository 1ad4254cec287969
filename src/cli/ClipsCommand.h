#pragma once

#include <QIODevice>
#include <QStringList>
#include <QTextStream>

namespace zarvo {

class ClipStore;

// `zarvo-cli clips …`: lists, searches and edits the clipboard history from the command line.
// `args` starts with the sub-command (list, search, add, copy, pin, delete, clear, prune).
// Returns the process exit code: 0 done, 1 failed (message on standard error), 2 wrong usage.
int runClipsCommand(const QStringList& args);
// The same with the three standard streams given (tests).
int runClipsCommand(const QStringList& args, QIODevice& input, QTextStream& out, QTextStream& err);
// One sub-command (`args` start with it; no --dir) on a store this process already writes: the running
// application's own, for a command it carries out for zarvo-cli. Everything is on disk when it returns.
int runClipsCommandOn(ClipStore& store, const QStringList& args, QIODevice& input, QTextStream& out,
                      QTextStream& err);

} // namespace zarvo
