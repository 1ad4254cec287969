#include "cli/InstanceRequests.h"

#include "cli/CliContext.h"
#include "cli/ClipsCommand.h"
#include "cli/IndexCommand.h"
#include "cli/QueryCommand.h"
#include "cli/StoreCommands.h"
#include "clipboard/ClipStore.h"
#include "files/IndexMetadataQuery.h"
#include "index/FileIndex.h"
#include "platform/Platform.h"
#include "platform/linux/DesktopEntries.h"
#include "platform/linux/InstanceChannel.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QJsonArray>
#include <QTextStream>

namespace zarvo::cli {

namespace {

const QStringList& forwardedClipCommands() {
    static const QStringList names{
        QStringLiteral("list"), QStringLiteral("search"), QStringLiteral("add"),   QStringLiteral("copy"),
        QStringLiteral("pin"),  QStringLiteral("delete"), QStringLiteral("clear"), QStringLiteral("prune")};
    return names;
}

// Where the `clips` sub-command stands in a command line: after "clips" and an optional "--dir DIR".
qsizetype clipCommandAt(const QStringList& args) {
    return args.value(1) == QLatin1String("--dir") ? 3 : 1;
}

// The positions of add's option values, read as the command reads them: every option takes the next word.
QList<qsizetype> addValues(const QStringList& args, const QString& option) {
    QList<qsizetype> values;
    const qsizetype at = clipCommandAt(args);
    if (args.value(0) != QLatin1String("clips") || args.value(at) != QLatin1String("add")) return values;
    for (qsizetype i = at + 1; i + 1 < args.size(); i += 2)
        if (args[i] == option) values << i + 1;
    return values;
}

// `args` with the --dir and add's --file paths made absolute against `cwd`: the application does not
// share the working directory of the command.
QStringList withAbsolutePaths(QStringList args, const QString& cwd) {
    if (args.value(0) != QLatin1String("clips")) return args;
    const QDir base(cwd);
    QList<qsizetype> paths = addValues(args, QStringLiteral("--file"));
    if (clipCommandAt(args) == 3) paths << 2;
    for (const qsizetype i : paths)
        args[i] = QDir::cleanPath(base.absoluteFilePath(args[i]));
    return args;
}

QJsonObject answer(int code, const QString& out, const QString& err) {
    return {{QStringLiteral("out"), out}, {QStringLiteral("err"), err}, {QStringLiteral("code"), code}};
}

QJsonObject runClips(QStringList args, const QByteArray& input, ClipStore& clips) {
    if (args.value(0) == QLatin1String("--dir")) {
        if (QDir::cleanPath(args.value(1)) != QDir::cleanPath(clips.directory()))
            return answer(1, {},
                          QCoreApplication::translate(
                              "InstanceRequests",
                              "clips: Zarvo is running and keeps its clips in %1; other stores are "
                              "opened only while it does not run\n")
                              .arg(clips.directory()));
        args = args.mid(2);
    }
    if (args.value(0) == QLatin1String("watch"))
        return answer(
            1, {},
            QCoreApplication::translate("InstanceRequests",
                                        "clips: Zarvo is running and already keeps the clipboard history\n"));
    QBuffer in;
    in.setData(input);
    in.open(QIODevice::ReadOnly);
    QString out, err;
    QTextStream o(&out), e(&err);
    const int code = runClipsCommandOn(clips, args, in, o, e);
    o.flush();
    e.flush();
    return answer(code, out, err);
}

} // namespace

bool isCarriedOutByInstance(const QStringList& args, const QString& clipDirectory) {
    const QString command = args.value(0);
    if (command == QLatin1String("query")) return true;
    // The running application's index is the live one: its watches, what it could not watch.
    if (command == QLatin1String("index") && args.value(1) == QLatin1String("status")) return true;
    // The application keeps these stores in memory and writes them whole: a change made beside it
    // would be overwritten by its next save, and it would not show.
    if (command == QLatin1String("settings") || command == QLatin1String("history") ||
        command == QLatin1String("favorites"))
        return true;
    if (command != QLatin1String("clips")) return false;
    const qsizetype at = clipCommandAt(args);
    if (at == 3 &&
        QDir::cleanPath(QDir::current().absoluteFilePath(args.value(2))) != QDir::cleanPath(clipDirectory))
        return false;
    return forwardedClipCommands().contains(args.value(at));
}

bool readsStandardInput(const QStringList& args) {
    const qsizetype at = clipCommandAt(args);
    if (args.value(0) != QLatin1String("clips") || args.value(at) != QLatin1String("add")) return false;
    // As the command decides: input is read for typed data, or when no file is given.
    return !addValues(args, QStringLiteral("--type")).isEmpty() ||
           addValues(args, QStringLiteral("--file")).isEmpty();
}

std::optional<int> forwardToInstance(const Environment& environment, const QStringList& args,
                                     const QByteArray& input, QTextStream& out, QTextStream& err,
                                     int timeoutMs) {
    const QString cwd = QDir::currentPath();
    QJsonObject request{{QStringLiteral("type"), QStringLiteral("cli")},
                        {QStringLiteral("args"), QJsonArray::fromStringList(withAbsolutePaths(args, cwd))},
                        {QStringLiteral("cwd"), cwd},
                        {QStringLiteral("terminal"), printsToTerminal()}};
    if (readsStandardInput(args))
        request.insert(QStringLiteral("stdin"), QString::fromLatin1(input.toBase64()));
    const linux_::InstanceReply reply = linux_::InstanceClient::send(environment, request, timeoutMs);
    if (reply.status == linux_::InstanceReply::Status::noInstance) return std::nullopt;
    // The application asks for the command to run here (it keeps no file index, say).
    if (reply.status == linux_::InstanceReply::Status::answered &&
        reply.body.value(QStringLiteral("runHere")).toBool())
        return std::nullopt;

    QString problem = reply.error;
    const QJsonValue code = reply.body.value(QStringLiteral("code"));
    if (reply.status == linux_::InstanceReply::Status::answered && !code.isDouble())
        problem =
            reply.body.value(QStringLiteral("error"))
                .toString(QCoreApplication::translate("InstanceRequests", "its answer has no exit code"));
    if (!problem.isEmpty()) {
        err << QCoreApplication::translate(
                   "InstanceRequests",
                   "zarvo-cli: Zarvo is running, but the request to it failed: %1. The "
                   "command was not run here as well, so that only Zarvo writes its store.")
                   .arg(problem)
            << "\n";
        err.flush();
        return 1;
    }
    out << reply.body.value(QStringLiteral("out")).toString();
    err << reply.body.value(QStringLiteral("err")).toString();
    out.flush();
    err.flush();
    return code.toInt();
}

void handleCliRequest(const QJsonObject& request, ClipStore& clips, const SearchModel::Services& services,
                      std::function<void(const QJsonObject&)> reply) {
    QStringList args;
    bool wellFormed = request.value(QStringLiteral("args")).isArray();
    for (const QJsonValue arg : request.value(QStringLiteral("args")).toArray()) {
        wellFormed = wellFormed && arg.isString();
        args << arg.toString();
    }
    const QString cwd = request.value(QStringLiteral("cwd")).toString();
    QByteArray input;
    if (request.contains(QStringLiteral("stdin"))) {
        const auto decoded =
            QByteArray::fromBase64Encoding(request.value(QStringLiteral("stdin")).toString().toLatin1(),
                                           QByteArray::AbortOnBase64DecodingErrors);
        wellFormed = wellFormed && request.value(QStringLiteral("stdin")).isString() && decoded;
        input = decoded.decoded;
    }
    if (!wellFormed || args.isEmpty() || !QDir::isAbsolutePath(cwd)) {
        reply(answer(2, {},
                     QCoreApplication::translate("InstanceRequests",
                                                 "zarvo-cli: Zarvo could not read the request\n")));
        return;
    }
    args = withAbsolutePaths(args, cwd);
    const QString command = args.takeFirst();
    const PrintingToTerminal printing(request.value(QStringLiteral("terminal")).toBool());
    if (command == QLatin1String("clips")) {
        reply(runClips(args, input, clips));
    } else if (command == QLatin1String("settings") || command == QLatin1String("history") ||
               command == QLatin1String("favorites")) {
        QString out, err;
        QTextStream o(&out), e(&err);
        const int code = command == QLatin1String("settings")  ? runSettingsCommand(args, o, e)
                         : command == QLatin1String("history") ? runHistoryCommand(args, o, e)
                                                               : runFavoritesCommand(args, o, e);
        o.flush();
        e.flush();
        reply(answer(code, out, err));
    } else if (command == QLatin1String("index")) {
        const auto* factory = dynamic_cast<const IndexMetadataQueryFactory*>(services.metadata);
        const index::FileIndex* live = factory ? factory->fileIndex().get() : nullptr;
        QStringList folders;
        if (services.platform.environment)
            folders = linux_::DesktopEntrySource::applicationFolders(
                linux_::DesktopEntrySource::fromEnvironment(*services.platform.environment));
        QString out;
        QTextStream o(&out);
        if (const auto code = runLiveIndexStatus(live, services.applications, folders, args, o)) {
            o.flush();
            reply(answer(*code, out, {}));
        } else {
            reply(QJsonObject{{QStringLiteral("runHere"), true}});
        }
    } else if (command == QLatin1String("query")) {
        runQuery(services, args, [reply](const CommandOutput& output) {
            reply(answer(output.code, output.out, output.err));
        });
    } else {
        reply(answer(2, {},
                     QCoreApplication::translate("InstanceRequests",
                                                 "zarvo-cli: “%1” is not carried out by the running Zarvo\n")
                         .arg(command)));
    }
}

QJsonObject handleCliRequest(const QJsonObject& request, ClipStore& clips,
                             const SearchModel::Services& services) {
    std::optional<QJsonObject> result;
    QEventLoop loop;
    handleCliRequest(request, clips, services, [&](const QJsonObject& answer) {
        result = answer;
        loop.quit();
    });
    if (!result) loop.exec();
    return *result;
}

} // namespace zarvo::cli
