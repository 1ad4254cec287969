#include "cli/CliContext.h"
#include "cli/ClipsCommand.h"
#include "cli/IndexCommand.h"
#include "cli/QueryCommand.h"
#include "cli/StoreCommands.h"

#include <QCoreApplication>
#include <QTextStream>

namespace {

void usage(QTextStream& err) {
    err << "usage: zarvo-cli COMMAND [ARGS]\n"
           "  query [--json] TEXT              the rows the panel shows for TEXT\n"
           "  history list [--json]            opened places by frecency\n"
           "  favorites list|toggle KEY        starred items\n"
           "  settings get KEY|set KEY VALUE|list\n"
           "  clips list|search|add|copy|pin|delete|clear|prune|watch …   the clipboard history\n"
           "  index status|rebuild …           the file index\n";
}

} // namespace

int main(int argc, char** argv) {
    // The clipboard commands need a display connection; everything else runs headless.
    const bool wantsDisplay = argc > 2 && qstrcmp(argv[1], "clips") == 0 &&
                              (qstrcmp(argv[2], "copy") == 0 || qstrcmp(argv[2], "watch") == 0);
    auto app = zarvo::cli::CliContext::makeApplication(argc, argv, wantsDisplay);
    QTextStream err(stderr);
    QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty() || args.first() == QLatin1String("--help") || args.first() == QLatin1String("-h")) {
        usage(err);
        return args.isEmpty() ? 2 : 0;
    }
    const QString command = args.takeFirst();
    zarvo::cli::CliContext::shared().setUp(wantsDisplay);
    if (command == QLatin1String("query")) return zarvo::cli::runQueryCommand(args);
    if (command == QLatin1String("history")) return zarvo::cli::runHistoryCommand(args);
    if (command == QLatin1String("favorites")) return zarvo::cli::runFavoritesCommand(args);
    if (command == QLatin1String("settings")) return zarvo::cli::runSettingsCommand(args);
    if (command == QLatin1String("clips")) return zarvo::runClipsCommand(args);
    if (command == QLatin1String("index")) return runIndexCommand(args);
    err << "zarvo-cli: unknown command \u201C" << command << "\u201D\n";
    usage(err);
    return 2;
}
