#include "cli/ClipsCommand.h"

#include "cli/CliContext.h"
#include "cli/ClipsWatch.h"
#include "clipboard/ClipStore.h"
#include "clipboard/ClipStoreLock.h"
#include "platform/Environment.h"
#include "platform/PasteboardItem.h"
#include "platform/Platform.h"
#include "platform/linux/InstanceLock.h"
#include "platform/linux/LinuxPlatform.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>
#include <cstdio>

namespace zarvo {

namespace {

//: Keep the command, its options and the words in capitals (TEXT, ID, DIR …) as they are.
constexpr const char* kUsage = QT_TRANSLATE_NOOP(
    "ClipsCommand",
    "usage: zarvo-cli clips [--dir DIR] COMMAND\n"
    "  list [--json]                     the clips, newest first\n"
    "  search TEXT [--json]              the clips matching TEXT, pinned first\n"
    "  add [--type TYPE]... [--file PATH]... [--app NAME --bundle ID]\n"
    "                                    file standard input (and files) as one copy\n"
    "  copy ID [--plain]                 put a clip back on the clipboard\n"
    "  pin ID | delete ID                pin or unpin, delete a clip (ID or a unique prefix)\n"
    "  clear | prune                     delete unpinned clips; drop what the limits no longer allow\n"
    "  watch [--once]                    capture copies into the history until interrupted\n");

// How long a second writer waits for the store before giving up.
constexpr int kLockWaitMs = 5000;

// The streams of the running command.
struct Streams {
    QIODevice* input;
    QTextStream* out;
    QTextStream* err;
};
Streams streams;
// Sets the streams for one command and gives the previous ones back after it, so a command started
// while another waits on the store never leaves it writing to streams that are gone.
struct UsingStreams {
    explicit UsingStreams(Streams next) : previous(streams) { streams = next; }
    ~UsingStreams() { streams = previous; }
    Streams previous;
};
QTextStream& out() {
    return *streams.out;
}
QTextStream& err() {
    return *streams.err;
}

int usage(const QString& problem = {}) {
    if (!problem.isEmpty()) err() << "clips: " << problem << "\n";
    err() << QCoreApplication::translate("ClipsCommand", kUsage);
    err().flush();
    return 2;
}

int fail(const QString& message) {
    err() << "clips: " << message << "\n";
    err().flush();
    return 1;
}

// Short names for the common types; anything else is taken as a type identifier.
QString typeIdentifier(const QString& name) {
    static const QHash<QString, QString> aliases{
        {QStringLiteral("text"), PasteboardType::plainText},
        {QStringLiteral("rtf"), PasteboardType::rtf},
        {QStringLiteral("html"), PasteboardType::html},
        {QStringLiteral("png"), PasteboardType::png},
        {QStringLiteral("tiff"), PasteboardType::tiff},
        {QStringLiteral("jpeg"), PasteboardType::jpeg},
        {QStringLiteral("url"), PasteboardType::url},
        {QStringLiteral("file-url"), PasteboardType::fileURL},
    };
    if (const auto it = aliases.constFind(name.toLower()); it != aliases.constEnd()) return *it;
    return name;
}

QJsonObject clipObject(const Clip& clip) {
    QJsonObject object = QJsonDocument::fromJson(ClipIndex::encode({clip})).array().first().toObject();
    object.insert(QStringLiteral("title"), clip.title());
    return object;
}

void printClips(const QList<Clip>& clips, bool json) {
    if (json) {
        QJsonArray array;
        for (const Clip& clip : clips)
            array.append(clipObject(clip));
        out() << QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Compact)) << "\n";
    } else {
        for (const Clip& clip : clips)
            out() << Clip::idString(clip.id) << '\t' << Clip::rawValue(clip.kind) << '\t'
                  << clip.date.toUTC().toString(Qt::ISODate) << '\t' << (clip.pinned ? "pinned" : "-") << '\t'
                  << cli::shown(clip.title()) << "\n";
    }
    out().flush();
}

// The clip named by a full identifier or an unambiguous beginning of one.
std::optional<Clip> findClip(const ClipStore& store, const QString& text, QString& problem) {
    const QString wanted = text.trimmed().toUpper();
    std::optional<Clip> found;
    if (wanted.size() >= 4) {
        for (const Clip& clip : store.clips()) {
            if (!Clip::idString(clip.id).startsWith(wanted)) continue;
            if (found) {
                problem = QCoreApplication::translate(
                              "ClipsCommand", "“%1” names more than one clip; give more of the identifier")
                              .arg(text);
                return std::nullopt;
            }
            found = clip;
        }
    }
    if (!found) problem = QCoreApplication::translate("ClipsCommand", "no clip “%1”").arg(text);
    return found;
}

// Standard input, at most `limit` + 1 bytes so that an oversized copy is known without reading it all.
QByteArray readInput(qint64 limit) {
    QIODevice& input = *streams.input;
    QByteArray data;
    while (data.size() <= limit) {
        const QByteArray chunk = input.read(std::min<qint64>(1 << 20, limit + 1 - data.size()));
        if (chunk.isEmpty()) // end of input: reads block until there is data
            break;
        data += chunk;
    }
    return data;
}

int add(ClipStore& store, const QStringList& args) {
    QStringList types, files;
    std::optional<QString> app, bundle;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == QLatin1String("--type") && hasValue)
            types << typeIdentifier(args[++i]);
        else if (a == QLatin1String("--file") && hasValue)
            files << args[++i];
        else if (a == QLatin1String("--app") && hasValue)
            app = args[++i];
        else if (a == QLatin1String("--bundle") && hasValue)
            bundle = args[++i];
        else
            return usage(QCoreApplication::translate("ClipsCommand", "add: unexpected “%1”").arg(a));
    }
    QList<PasteboardItem> items;
    if (!types.isEmpty() || files.isEmpty()) {
        if (types.isEmpty()) types << PasteboardType::plainText;
        const QByteArray data = readInput(ClipStore::maximumReadBytes);
        if (data.size() > ClipStore::maximumReadBytes)
            return fail(QCoreApplication::translate("ClipsCommand",
                                                    "not stored: the copy is larger than 50,000,000 bytes"));
        PasteboardItem item;
        for (const QString& type : types)
            item.setData(type, data);
        items << item;
    }
    for (const QString& file : files) {
        const QString path = QFileInfo(file).absoluteFilePath();
        PasteboardItem item;
        item.setData(PasteboardType::fileURL, QUrl::fromLocalFile(path).toEncoded());
        items << item;
    }
    QStringList allTypes;
    for (const PasteboardItem& item : items)
        for (const QString& type : item.types())
            if (!allTypes.contains(type)) allTypes << type;
    auto kept = ClipStore::snapshot(allTypes, items);
    if (!kept)
        return fail(QCoreApplication::translate("ClipsCommand",
                                                "not stored: the copy is marked private, is empty, or is "
                                                "larger than 50,000,000 bytes"));
    // The same preparation a captured copy takes, on this thread: the command has nothing else to do.
    if (!store.capture(allTypes, items, app, bundle))
        return fail(QCoreApplication::translate("ClipsCommand",
                                                "not stored: no text, files or readable image in the copy, "
                                                "or it is larger than 25,000,000 bytes"));
    store.flush();
    out() << Clip::idString(store.clips().first().id) << "\n";
    out().flush();
    return 0;
}

} // namespace

int runClipsCommand(const QStringList& args) {
    QFile input, output, error;
    input.open(stdin, QIODevice::ReadOnly);
    output.open(stdout, QIODevice::WriteOnly);
    error.open(stderr, QIODevice::WriteOnly);
    QTextStream out(&output), err(&error);
    // Without a display there is no clipboard to watch, only one that never changes.
    const qsizetype at = args.value(0) == QLatin1String("--dir") ? 2 : 0;
    if (args.value(at) == QLatin1String("watch") && !cli::CliContext::shared().hasDisplay()) {
        err << "clips: "
            << linux_::LinuxPlatform::noDisplayMessage(
                   QCoreApplication::translate("ClipsCommand", "Watching the clipboard"))
            << "\n";
        return 1;
    }
    return runClipsCommand(args, input, out, err);
}

namespace {

const QStringList& commands() {
    static const QStringList names{
        QStringLiteral("list"),  QStringLiteral("search"), QStringLiteral("add"),
        QStringLiteral("copy"),  QStringLiteral("pin"),    QStringLiteral("delete"),
        QStringLiteral("clear"), QStringLiteral("prune"),  QStringLiteral("watch")};
    return names;
}

int run(ClipStore& store, QStringList args) {
    if (args.isEmpty()) return usage();
    const QString command = args.takeFirst();
    if (!commands().contains(command))
        return usage(QCoreApplication::translate("ClipsCommand", "unknown command “%1”").arg(command));
    Pasteboard* pasteboard = store.pasteboard();
    const bool json = args.removeAll(QStringLiteral("--json")) > 0;
    int status = 0;
    QString problem;
    if (command == QLatin1String("list")) {
        if (!args.isEmpty()) return usage();
        printClips(store.clips(), json);
    } else if (command == QLatin1String("search")) {
        if (args.size() != 1)
            return usage(QCoreApplication::translate("ClipsCommand", "search needs one TEXT"));
        printClips(store.matching(args.first()), json);
    } else if (command == QLatin1String("add")) {
        status = add(store, args);
    } else if (command == QLatin1String("copy")) {
        const bool plain = args.removeAll(QStringLiteral("--plain")) > 0;
        if (args.size() != 1) return usage(QCoreApplication::translate("ClipsCommand", "copy needs one ID"));
        if (!pasteboard)
            return fail(QCoreApplication::translate("ClipsCommand", "no clipboard is available here"));
        const auto clip = findClip(store, args.first(), problem);
        if (!clip) return fail(problem);
        if (!store.write(*clip, plain))
            return fail(plain
                            ? QCoreApplication::translate("ClipsCommand", "clip %1 has no plain text to copy")
                                  .arg(Clip::idString(clip->id))
                            : QCoreApplication::translate("ClipsCommand",
                                                          "the data of clip %1 is missing or unreadable")
                                  .arg(Clip::idString(clip->id)));
    } else if (command == QLatin1String("pin") || command == QLatin1String("delete")) {
        if (args.size() != 1)
            return usage(QCoreApplication::translate("ClipsCommand", "%1 needs one ID").arg(command));
        const auto clip = findClip(store, args.first(), problem);
        if (!clip) return fail(problem);
        if (command == QLatin1String("pin")) {
            store.togglePin(clip->id);
            out() << (clip->pinned ? QCoreApplication::translate("ClipsCommand", "%1 unpinned")
                                   : QCoreApplication::translate("ClipsCommand", "%1 pinned"))
                         .arg(Clip::idString(clip->id))
                  << "\n";
        } else {
            store.deleteClip(clip->id);
        }
    } else if (command == QLatin1String("clear")) {
        store.clearUnpinned();
    } else if (command == QLatin1String("watch")) {
        const bool once = args.removeAll(QStringLiteral("--once")) > 0;
        if (!args.isEmpty())
            return usage(
                QCoreApplication::translate("ClipsCommand", "watch: unexpected “%1”").arg(args.first()));
        if (!pasteboard)
            return fail(QCoreApplication::translate("ClipsCommand", "no clipboard is available here"));
        status = watchClips(store, once, out(), err());
    } else if (command == QLatin1String("prune")) {
        const qsizetype before = store.clips().size();
        store.prune();
        out() << QCoreApplication::translate("ClipsCommand", "%n clip(s) dropped", nullptr,
                                             int(before - store.clips().size()))
              << "\n";
    }
    out().flush();
    return status;
}

} // namespace

int runClipsCommand(const QStringList& arguments, QIODevice& input, QTextStream& output, QTextStream& error) {
    const UsingStreams scope(Streams{&input, &output, &error});
    QStringList args = arguments;
    QString directory;
    if (args.size() >= 2 && args.first() == QLatin1String("--dir")) {
        directory = QFileInfo(args[1]).absoluteFilePath();
        args = args.mid(2);
    }
    if (args.isEmpty()) return usage();
    const Platform& platform = cli::CliContext::shared().platform();
    if (directory.isEmpty()) directory = ClipStore::defaultDirectory(platform.environment);
    const QString command = args.first();
    if (!commands().contains(command))
        return usage(QCoreApplication::translate("ClipsCommand", "unknown command “%1”").arg(command));

    // The application captures copies itself; a second capturing process would write the same store.
    const Environment* environment = platform.environment;
    if (command == QLatin1String("watch") && environment && linux_::InstanceLock::isRunning(*environment))
        return fail(QCoreApplication::translate("ClipsCommand",
                                                "Zarvo is running and already keeps the clipboard history"));

    // One writer at a time: the whole run holds the store's lock, so no clip written by another
    // process is lost to a stale copy of the list.
    QString problem;
    const auto lock = lockClipStore(directory, kLockWaitMs, &problem);
    if (!lock) return fail(problem);

    Pasteboard* pasteboard = platform.pasteboard;
    ClipStore store(
        directory,
        command == QLatin1String("copy") || command == QLatin1String("watch") ? pasteboard : nullptr, false,
        ClipStore::Services::fromPlatform(platform, &cli::CliContext::shared().settings()));
    if (const auto& notice = store.openingNotice()) err() << "clips: " << *notice << "\n";
    const int status = run(store, args);
    store.flush(); // everything on disk before the lock goes
    return status;
}

int runClipsCommandOn(ClipStore& store, const QStringList& args, QIODevice& input, QTextStream& output,
                      QTextStream& error) {
    const UsingStreams scope(Streams{&input, &output, &error});
    const int status = run(store, args);
    store.flush();
    return status;
}

} // namespace zarvo
