#pragma once

#include <QStringList>

// `zarvo-cli index status [--json]` and `zarvo-cli index rebuild [--root DIR]…`. `args` are the
// words after "index". Returns the process exit code.
int runIndexCommand(const QStringList& args);
