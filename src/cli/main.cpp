#include "cli/IndexCommand.h"

#include <QCoreApplication>
#include <QTextStream>

// Placeholder entry until the command set lands: the index command, else usage.
int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (!args.isEmpty() && args.first() == QLatin1String("index")) return runIndexCommand(args.mid(1));
    QTextStream err(stderr);
    err << "usage: zarvo-cli query [--json] TEXT\n"
           "       zarvo-cli index status [--json] | rebuild [--root DIR]...\n";
    return 2;
}
