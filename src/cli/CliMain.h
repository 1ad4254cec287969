#pragma once

#include <QTextStream>

namespace zarvo::cli {

// What both of zarvo-cli's ways of running share: the small program runs the commands that need no
// desktop itself, and hands the others to its desktop module (zarvo-cli-desktop.so).

// The summary of the commands, printed for --help and for a mistake.
void usage(QTextStream& err);

// Whether the command line (argv[1] on) runs without the desktop module: no command or --help, `index`,
// and the commands that only read and write the stores (query, history, favorites, settings) while no
// application instance may be listening (with one, they are handed to it by the module's client).
bool runsHeadless(int argc, char** argv);

} // namespace zarvo::cli
