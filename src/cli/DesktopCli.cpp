#include "cli/ActionsCommand.h"
#include "cli/CliContext.h"
#include "cli/CliMain.h"
#include "cli/ClipsCommand.h"
#include "cli/IndexCommand.h"
#include "cli/InstanceRequests.h"
#include "cli/QueryCommand.h"
#include "cli/StoreCommands.h"

#include "clipboard/ClipStore.h"
#include "platform/Platform.h"
#include "platform/Translations.h"
#include "platform/linux/DesktopEntries.h"
#include "platform/linux/DesktopServices.h"
#include "platform/linux/FileDefaultsStore.h"
#include "platform/linux/LinuxPlatform.h"
#include "platform/linux/ProgramLocation.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QMutex>
#include <QTextStream>
#include <QThread>
#include <unistd.h>
#include <vector>

// zarvo-cli's desktop module: every command with every desktop service (GIO, X11, D-Bus, the Qt
// clipboard), and those services for the headless commands of the small program when they need one.

namespace {

using namespace zarvo;

// The full Linux back end under a command run.
class LinuxCliPlatform : public cli::CliPlatform {
public:
    Platform& platform() override { return m_linux.platform(); }
    bool hasDisplay() const override { return m_linux.display() != linux_::LinuxPlatform::Display::None; }
    std::unique_ptr<AppBundleSource> applicationSource() override {
        return std::make_unique<linux_::DesktopEntrySource>(
            linux_::DesktopEntrySource::fromEnvironment(*m_linux.platform().environment));
    }

private:
    linux_::LinuxPlatform m_linux;
};

// A GUI application (for the clipboard) when a display is wanted and present, else a core one.
std::unique_ptr<QCoreApplication> makeApplication(int& argc, char** argv, bool display) {
    QCoreApplication::setApplicationName(QStringLiteral("zarvo-cli"));
    const bool hasDisplay =
        qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
    if (display && hasDisplay) return std::make_unique<QGuiApplication>(argc, argv);
    return std::make_unique<QCoreApplication>(argc, argv);
}

// Standard input, up to one byte past what a copy may hold, so that an oversized one is still known.
QByteArray readStandardInput() {
    QFile input;
    input.open(stdin, QIODevice::ReadOnly);
    QByteArray data;
    const qint64 limit = ClipStore::maximumReadBytes + 1;
    while (data.size() < limit) {
        const QByteArray chunk = input.read(std::min<qint64>(1 << 20, limit - data.size()));
        if (chunk.isEmpty()) break; // end of input
        data += chunk;
    }
    return data;
}

// The desktop services on a headless LinuxPlatform of this module, with its own view of the user's
// defaults (the same files the program reads).
class ModuleDesktopServices : public linux_::DesktopServices {
public:
    ModuleDesktopServices()
        : m_defaults(linux_::FileDefaultsStore::defaultDirectory(*m_linux.platform().environment)) {
        m_linux.platform().defaults = &m_defaults;
        m_linux.install();
    }
    Workspace& workspace() override { return *m_linux.platform().workspace; }
    Session& session() override { return *m_linux.platform().session; }
    HotKeys& hotKeys() override { return *m_linux.platform().hotKeys; }
    KeySynth& keySynth() override { return *m_linux.platform().keySynth; }

    Applications scanApplications(const linux_::DesktopEntrySource::Options& options) override {
        // The lines the scan logs on this thread are logged as usual and also handed back.
        static QMutex mutex;
        static QStringList* capture = nullptr;
        static QThread* scanning = nullptr;
        static QtMessageHandler previous = nullptr;
        Applications result;
        {
            QMutexLocker lock(&mutex);
            capture = &result.logged;
            scanning = QThread::currentThread();
            previous = qInstallMessageHandler(
                [](QtMsgType type, const QMessageLogContext& context, const QString& message) {
                    {
                        QMutexLocker lock(&mutex);
                        if (capture && QThread::currentThread() == scanning) capture->append(message);
                    }
                    if (previous) previous(type, context, message);
                });
        }
        linux_::DesktopEntrySource source(options);
        result.bundles = source.scan();
        result.programs = source.programsLookedUp();
        QMutexLocker lock(&mutex);
        qInstallMessageHandler(previous);
        capture = nullptr;
        scanning = nullptr;
        return result;
    }

private:
    linux_::LinuxPlatform m_linux;
    linux_::FileDefaultsStore m_defaults;
};

} // namespace

extern "C" __attribute__((visibility("default"))) linux_::DesktopServices* zarvoCliDesktopServices() {
    static ModuleDesktopServices services;
    return &services;
}

extern "C" __attribute__((visibility("default"))) int zarvoCliDesktopMain(int argc, char** argv) {
    // The clipboard commands need a display connection; everything else runs headless.
    bool wantsDisplay = argc > 2 && qstrcmp(argv[1], "clips") == 0 &&
                        (qstrcmp(argv[2], "copy") == 0 || qstrcmp(argv[2], "watch") == 0);
    // Opening a clip row and the copy actions write the clipboard.
    for (int i = 2; i + 1 < argc && !wantsDisplay; ++i)
        wantsDisplay = qstrcmp(argv[1], "actions") == 0 && qstrcmp(argv[i], "--run") == 0 &&
                       QByteArray(argv[i + 1]).toLower().startsWith("copy");
    if (argc > 2 && qstrcmp(argv[1], "open") == 0) wantsDisplay = true;
    // Where XWayland is there, on it as the panel is, whether or not Qt's Wayland plugin is installed;
    // the session's own clipboard is reached on a connection of its own either way.
    std::vector<char*> qtArgs = wantsDisplay && qEnvironmentVariableIsSet("DISPLAY")
                                    ? linux_::LinuxPlatform::qtArguments(argc, argv)
                                    : std::vector<char*>(argv, argv + argc + 1);
    int qtCount = int(qtArgs.size()) - 1;
    auto app = makeApplication(qtCount, qtArgs.data(), wantsDisplay);
    Translations::install(linux_::ProgramLocation::translationFolders());
    QTextStream err(stderr);
    QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty() || args.first() == QLatin1String("--help") || args.first() == QLatin1String("-h")) {
        cli::usage(err);
        return args.isEmpty() ? 2 : 0;
    }
    const QStringList commandLine = args;
    const QString command = args.takeFirst();
    cli::CliContext::shared().setUp(std::make_unique<LinuxCliPlatform>());
    cli::setPrintsToTerminal(::isatty(STDOUT_FILENO));
    const Platform& platform = cli::CliContext::shared().platform();

    // While Zarvo runs, it carries out what writes its clip store or reads its file index.
    if (cli::isCarriedOutByInstance(commandLine, ClipStore::defaultDirectory(platform.environment))) {
        QByteArray input;
        if (cli::readsStandardInput(commandLine)) input = readStandardInput();
        QTextStream out(stdout);
        if (const auto code = cli::forwardToInstance(*platform.environment, commandLine, input, out, err))
            return *code;
        if (command == QLatin1String("clips")) {
            QBuffer buffer(&input);
            buffer.open(QIODevice::ReadOnly);
            return runClipsCommand(args, buffer, out, err);
        }
    }
    if (command == QLatin1String("query")) return cli::runQueryCommand(args);
    if (command == QLatin1String("open")) return cli::runOpenCommand(args);
    if (command == QLatin1String("actions")) return cli::runActionsCommand(args);
    if (command == QLatin1String("history")) return cli::runHistoryCommand(args);
    if (command == QLatin1String("favorites")) return cli::runFavoritesCommand(args);
    if (command == QLatin1String("settings")) return cli::runSettingsCommand(args);
    if (command == QLatin1String("clips")) return runClipsCommand(args);
    if (command == QLatin1String("index")) return runIndexCommand(args);
    err << QCoreApplication::translate("DesktopCli", "zarvo-cli: unknown command \u201C%1\u201D").arg(command)
        << "\n";
    cli::usage(err);
    return 2;
}
