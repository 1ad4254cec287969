#include <QCoreApplication>
#include <QTextStream>

// Placeholder entry until the command set lands: prints usage.
int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    err << "usage: zarvo-cli query [--json] TEXT\n";
    return 2;
}
