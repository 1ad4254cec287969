#include "cli/CliContext.h"
#include "cli/CliMain.h"
#include "cli/IndexCommand.h"
#include "cli/QueryCommand.h"
#include "cli/StoreCommands.h"

#include "platform/Translations.h"
#include "platform/linux/DesktopServices.h"
#include "platform/linux/HeadlessPlatform.h"
#include "platform/linux/ProgramLocation.h"

#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

// This program links QtCore only, so that a query starts in a few milliseconds. The commands that need
// the desktop (the clipboard, opening, GIO's handlers, the running application's socket) are run by
// its desktop module, zarvo-cli-desktop.so, loaded only for them.

namespace {

using namespace zarvo;

// The module's entry point of that name; none (with a message) when the module cannot be loaded.
void* moduleSymbol(const char* name) {
    const QStringList candidates = linux_::ProgramLocation::cliDesktopModuleCandidates();
    QString errors;
    if (void* symbol = linux_::ProgramLocation::moduleEntry(candidates, name, &errors)) return symbol;
    const QString detail = errors.isEmpty() ? QStringLiteral(" (looked for ") +
                                                  candidates.join(QLatin1String(", ")) + QLatin1Char(')')
                                            : errors;
    std::fprintf(stderr, "zarvo-cli: the desktop part of Zarvo cannot be loaded; reinstall Zarvo%s\n",
                 detail.toLocal8Bit().constData());
    return nullptr;
}

// The desktop services, from the module on first use. A command that reaches one cannot go on
// without it.
linux_::DesktopServices& desktopServices() {
    static linux_::DesktopServices* services = [] {
        auto entry =
            reinterpret_cast<linux_::DesktopServicesFunction>(moduleSymbol(linux_::kDesktopServicesSymbol));
        if (!entry) std::exit(1);
        return entry();
    }();
    return *services;
}

class HeadlessCliPlatform : public cli::CliPlatform {
public:
    HeadlessCliPlatform() : m_headless(desktopServices) {}
    Platform& platform() override { return m_headless.platform(); }
    bool hasDisplay() const override { return false; }
    std::unique_ptr<AppBundleSource> applicationSource() override { return m_headless.applicationSource(); }

private:
    linux_::HeadlessPlatform m_headless;
};

} // namespace

int main(int argc, char** argv) {
    if (!cli::runsHeadless(argc, argv)) {
        auto entry =
            reinterpret_cast<linux_::CliDesktopMainFunction>(moduleSymbol(linux_::kCliDesktopMainSymbol));
        return entry ? entry(argc, argv) : 1;
    }
    QCoreApplication::setApplicationName(QStringLiteral("zarvo-cli"));
    QCoreApplication app(argc, argv);
    Translations::install(linux_::ProgramLocation::translationFolders());
    QTextStream err(stderr);
    QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty() || args.first() == QLatin1String("--help") || args.first() == QLatin1String("-h")) {
        cli::usage(err);
        return args.isEmpty() ? 2 : 0;
    }
    const QString command = args.takeFirst();
    cli::CliContext::shared().setUp(std::make_unique<HeadlessCliPlatform>());
    cli::setPrintsToTerminal(::isatty(STDOUT_FILENO));
    if (command == QLatin1String("query")) return cli::runQueryCommand(args);
    if (command == QLatin1String("history")) return cli::runHistoryCommand(args);
    if (command == QLatin1String("favorites")) return cli::runFavoritesCommand(args);
    if (command == QLatin1String("index")) return runIndexCommand(args);
    return cli::runSettingsCommand(args);
}
