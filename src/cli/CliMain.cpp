#include "cli/CliMain.h"

#include "platform/linux/InstanceProbe.h"
#include "platform/linux/LinuxEnvironment.h"

#include <QCoreApplication>

namespace zarvo::cli {

void usage(QTextStream& err) {
    //: Keep the commands, their options and the words in capitals (TEXT, KEY …) as they are.
    err << QCoreApplication::translate(
        "CliMain",
        "usage: zarvo-cli COMMAND [ARGS]\n"
        "  query [--json] TEXT              the rows the panel shows for TEXT\n"
        "  open [--select N] [--yes] TEXT   \u21A9 on row N of TEXT's results\n"
        "  actions [--select N] [--json] [--run TITLE [--to NAME|DIR]] TEXT   the row's actions menu\n"
        "  history list [--json]            opened places by frecency\n"
        "  favorites list|toggle KEY        starred items\n"
        "  settings get KEY|set KEY VALUE|list\n"
        "  clips list|search|add|copy|pin|delete|clear|prune|watch …   the clipboard history\n"
        "  index status|rebuild …           the file index\n");
}

bool runsHeadless(int argc, char** argv) {
    if (argc < 2 || qstrcmp(argv[1], "--help") == 0 || qstrcmp(argv[1], "-h") == 0) return true;
    const QByteArray command(argv[1]);
    if (command == "index") return true; // never handed to the application
    if (command != "query" && command != "history" && command != "favorites" && command != "settings")
        return false;
    const linux_::LinuxEnvironment environment;
    return !linux_::instanceMayBeListening(environment);
}

} // namespace zarvo::cli
