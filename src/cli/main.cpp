#include "cli/ActionsCommand.h"
#include "cli/CliContext.h"
#include "cli/ClipsCommand.h"
#include "cli/IndexCommand.h"
#include "cli/InstanceRequests.h"
#include "cli/QueryCommand.h"
#include "cli/StoreCommands.h"

#include "clipboard/ClipStore.h"
#include "platform/Platform.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

namespace {

void usage(QTextStream& err) {
    err << "usage: zarvo-cli COMMAND [ARGS]\n"
           "  query [--json] TEXT              the rows the panel shows for TEXT\n"
           "  open [--select N] [--yes] TEXT   \u21A9 on row N of TEXT's results\n"
           "  actions [--select N] [--json] [--run TITLE [--to NAME|DIR]] TEXT   the row's actions menu\n"
           "  history list [--json]            opened places by frecency\n"
           "  favorites list|toggle KEY        starred items\n"
           "  settings get KEY|set KEY VALUE|list\n"
           "  clips list|search|add|copy|pin|delete|clear|prune|watch …   the clipboard history\n"
           "  index status|rebuild …           the file index\n";
}

// Standard input, up to one byte past what a copy may hold, so that an oversized one is still known.
QByteArray readStandardInput() {
    QFile input;
    input.open(stdin, QIODevice::ReadOnly);
    QByteArray data;
    const qint64 limit = zarvo::ClipStore::maximumReadBytes + 1;
    while (data.size() < limit) {
        const QByteArray chunk = input.read(std::min<qint64>(1 << 20, limit - data.size()));
        if (chunk.isEmpty()) break; // end of input
        data += chunk;
    }
    return data;
}

} // namespace

int main(int argc, char** argv) {
    // The clipboard commands need a display connection; everything else runs headless.
    bool wantsDisplay = argc > 2 && qstrcmp(argv[1], "clips") == 0 &&
                        (qstrcmp(argv[2], "copy") == 0 || qstrcmp(argv[2], "watch") == 0);
    // Opening a clip row and the copy actions write the clipboard.
    for (int i = 2; i + 1 < argc && !wantsDisplay; ++i)
        wantsDisplay = qstrcmp(argv[1], "actions") == 0 && qstrcmp(argv[i], "--run") == 0 &&
                       QByteArray(argv[i + 1]).toLower().startsWith("copy");
    if (argc > 2 && qstrcmp(argv[1], "open") == 0) wantsDisplay = true;
    auto app = zarvo::cli::CliContext::makeApplication(argc, argv, wantsDisplay);
    QTextStream err(stderr);
    QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty() || args.first() == QLatin1String("--help") || args.first() == QLatin1String("-h")) {
        usage(err);
        return args.isEmpty() ? 2 : 0;
    }
    const QStringList commandLine = args;
    const QString command = args.takeFirst();
    zarvo::cli::CliContext::shared().setUp(wantsDisplay);

    // While Zarvo runs, it carries out what writes its clip store or reads its file index.
    if (zarvo::cli::isCarriedOutByInstance(commandLine, zarvo::ClipStore::defaultDirectory())) {
        QByteArray input;
        if (zarvo::cli::readsStandardInput(commandLine)) input = readStandardInput();
        QTextStream out(stdout);
        if (const auto code = zarvo::cli::forwardToInstance(*zarvo::Platform::current().environment,
                                                            commandLine, input, out, err))
            return *code;
        if (command == QLatin1String("clips")) {
            QBuffer buffer(&input);
            buffer.open(QIODevice::ReadOnly);
            return zarvo::runClipsCommand(args, buffer, out, err);
        }
    }
    if (command == QLatin1String("query")) return zarvo::cli::runQueryCommand(args);
    if (command == QLatin1String("open")) return zarvo::cli::runOpenCommand(args);
    if (command == QLatin1String("actions")) return zarvo::cli::runActionsCommand(args);
    if (command == QLatin1String("history")) return zarvo::cli::runHistoryCommand(args);
    if (command == QLatin1String("favorites")) return zarvo::cli::runFavoritesCommand(args);
    if (command == QLatin1String("settings")) return zarvo::cli::runSettingsCommand(args);
    if (command == QLatin1String("clips")) return zarvo::runClipsCommand(args);
    if (command == QLatin1String("index")) return runIndexCommand(args);
    err << "zarvo-cli: unknown command \u201C" << command << "\u201D\n";
    usage(err);
    return 2;
}
