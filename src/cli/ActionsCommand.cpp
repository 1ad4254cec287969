#include "cli/ActionsCommand.h"

#include "cli/CliContext.h"
#include "cli/QueryCommand.h"
#include "platform/Platform.h"
#include "platform/PlatformWords.h"
#include "search/KeyEvent.h"
#include "search/KeyMap.h"
#include "search/PanelModes.h"
#include "search/PanelShell.h"
#include "search/QueryPipeline.h"
#include "search/ResultActions.h"
#include "search/SearchModel.h"
#include "sources/PathInput.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFileInfo>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>
#include <QTimer>
#include <algorithm>
#include <iterator>

namespace zarvo::cli {

namespace {

constexpr int kSearchTimeoutMs = 30000;
// Compressing or copying a large folder may take a while; the command waits for it.
constexpr int kOperationTimeoutMs = 600000;

struct Options {
    std::optional<int> select;
    bool yes = false;
    bool json = false;
    std::optional<QString> run;
    std::optional<QString> to;
    QStringList words;
};

// Parses the options a command accepts; an error text for anything else.
std::optional<QString> parse(const QStringList& args, bool actions, Options& options) {
    bool literal = false;
    for (int i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        const auto value = [&]() -> std::optional<QString> {
            if (i + 1 >= args.size()) return std::nullopt;
            return args[++i];
        };
        if (literal || !arg.startsWith(QLatin1String("--"))) {
            options.words << arg;
        } else if (arg == QLatin1String("--")) {
            literal = true;
        } else if (arg == QLatin1String("--yes")) {
            options.yes = true;
        } else if (arg == QLatin1String("--select")) {
            const auto text = value();
            bool ok = false;
            const int n = text ? text->toInt(&ok) : 0;
            if (!ok || n < 1)
                return QCoreApplication::translate("ActionsCommand",
                                                   "--select needs a row number (1 is the first row)");
            options.select = n;
        } else if (actions && arg == QLatin1String("--json")) {
            options.json = true;
        } else if (actions && arg == QLatin1String("--run")) {
            options.run = value();
            if (!options.run)
                return QCoreApplication::translate("ActionsCommand", "--run needs an action title");
        } else if (actions && arg == QLatin1String("--to")) {
            options.to = value();
            if (!options.to)
                return QCoreApplication::translate("ActionsCommand", "--to needs a name or a folder");
        } else {
            return QCoreApplication::translate("ActionsCommand", "unknown option %1").arg(arg);
        }
    }
    if (options.words.size() != 1)
        return QCoreApplication::translate("ActionsCommand", "give the query as one argument");
    return std::nullopt;
}

// Types the text and waits for the file search, as the query command does.
void search(SearchModel& model, const QString& text) {
    model.pipeline().setShowsFileSearchProgress(false);
    model.setQuery(text);
    if (model.mode() == SearchModel::Mode::search) model.pipeline().runSearch();
    if (!model.isSearching()) return;
    QEventLoop loop;
    QObject::connect(&model, &SearchModel::changed, &loop, [&] {
        if (!model.isSearching()) loop.quit();
    });
    QTimer::singleShot(kSearchTimeoutMs, &loop, &QEventLoop::quit);
    loop.exec();
}

void waitForOperations(SearchModel& model) {
    // Completions already queued (the workspace's, a finished process's) run first.
    QCoreApplication::processEvents();
    if (model.resultActions().pendingOperations() == 0) return;
    QEventLoop loop;
    QObject::connect(&model.resultActions(), &ResultActions::operationsFinished, &loop, &QEventLoop::quit);
    QTimer::singleShot(kOperationTimeoutMs, &loop, &QEventLoop::quit);
    loop.exec();
}

// The clipboard works only in a graphical session, which the command line has when it runs with a
// display (the entry point then makes a GUI application).
bool clipboardAvailable() {
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) &&
           CliContext::shared().searchServices().pasteboard;
}

// Whether opening the row writes the clipboard (a clip, or the IP address).
bool opensIntoClipboard(const std::optional<ResultItem>& item) {
    return item && (item->clipID || item->systemAction == SystemAction::ip);
}

KeyEvent returnKey() {
    KeyEvent event;
    event.keyCode = KeyCode::returnKey;
    event.characters = QStringLiteral("\r");
    return event;
}

// The model with the shell's hooks replaced by what a command line can do.
struct Session {
    SearchModel model;
    int beeps = 0;
    bool dismissed = false;
    std::optional<QString> alert;

    Session() : model(CliContext::shared().searchServices()) {
        model.shell().onBeep = [this] { ++beeps; };
        model.shell().onDismiss = [this] { dismissed = true; };
        model.shell().showAlert = [this](const QString& text) { alert = text; };
    }

    // Searches and selects row `select` (1-based); an error text when there is no such row.
    std::optional<QString> prepare(const Options& options) {
        search(model, options.words.first());
        if (options.select) {
            if (*options.select > int(model.results().size()))
                return QCoreApplication::translate("ActionsCommand", "There is no row %1 (%2 listed)")
                    .arg(*options.select)
                    .arg(model.results().size());
            model.setSelectedIndex(*options.select - 1);
        }
        return std::nullopt;
    }
};

// Action titles are shown in the user's language: an English title from a script or this table names
// the same action through the catalogue the menu's titles come from.
QString shownTitle(const QString& english) {
    return QCoreApplication::translate("zarvo::ResultActions", english.toUtf8().constData());
}

// Actions that need the panel, the desktop's windows or another application.
bool needsWindow(const QString& title) {
    static const char* const windowless[] = {
        "Copy URL",
        "Copy as Markdown Link",
        "Copy Command",
        "Copy File",
        "Copy Path",
        "Copy Name",
        "Add to Favorites",
        "Remove from Favorites",
        "Rename\u2026",
        "Duplicate",
        "Compress to ZIP",
        "Move to\u2026",
        "Move to Trash",
        "Remove from History",
        "Copy",
        "Copy as Plain Text",
        "Pin",
        "Unpin",
        "Delete from Clipboard History",
    };
    for (const char* english : windowless)
        if (title == shownTitle(QString::fromUtf8(english))) return false;
    return true;
}

// "Rename" finds "Rename…"; letter case does not matter.
bool titleMatches(const QString& title, const QString& wanted) {
    QString bare = title;
    if (bare.endsWith(QChar(0x2026))) bare.chop(1);
    QString typed = wanted.trimmed();
    if (typed.endsWith(QLatin1String("...")))
        typed.chop(3);
    else if (typed.endsWith(QChar(0x2026)))
        typed.chop(1);
    const auto same = [&bare](const QString& other) {
        QString form = other;
        if (form.endsWith(QChar(0x2026))) form.chop(1);
        return bare.compare(form, Qt::CaseInsensitive) == 0;
    };
    // The title as written elsewhere ("Reveal in Finder"), or in English on any desktop, names the same
    // action as its shown form.
    return same(typed) || same(PlatformWords::current().text(typed)) ||
           same(PlatformWords::current().text(shownTitle(typed))) ||
           same(PlatformWords::current().text(shownTitle(typed + QChar(0x2026))));
}

QJsonObject actionJson(const ItemAction& action) {
    QJsonObject object;
    object.insert(QStringLiteral("title"), action.title);
    object.insert(QStringLiteral("symbol"), action.symbol);
    object.insert(QStringLiteral("shortcut"), action.shortcut ? QJsonValue(*action.shortcut) : QJsonValue());
    object.insert(QStringLiteral("isDestructive"), action.isDestructive);
    return object;
}

int usageError(const QString& text, const char* usage) {
    QTextStream err(stderr);
    err << "zarvo-cli: " << text << "\n"
        << QCoreApplication::translate("ActionsCommand", "usage: zarvo-cli %1").arg(QLatin1String(usage))
        << "\n";
    return 2;
}

const char* const kOpenUsage = "open [--select N] [--yes] TEXT";
const char* const kActionsUsage = "actions [--select N] [--json] [--run TITLE [--to NAME|DIR] [--yes]] TEXT";

// Reads the command line and runs the search; an exit status when either fails.
std::optional<int> start(const QStringList& args, bool actions, const char* usage, Options& options,
                         Session& session, QTextStream& out) {
    if (auto error = parse(args, actions, options)) return usageError(*error, usage);
    if (auto error = session.prepare(options)) {
        out << shown(*error) << "\n";
        return 1;
    }
    return std::nullopt;
}

} // namespace

int runOpenCommand(const QStringList& args) {
    Options options;
    QTextStream out(stdout);
    Session session;
    if (auto status = start(args, false, kOpenUsage, options, session, out)) return *status;
    SearchModel& model = session.model;
    if (opensIntoClipboard(model.resultActions().target()) && !clipboardAvailable()) {
        out << QCoreApplication::translate("ActionsCommand",
                                           "The clipboard is not available without a display")
            << "\n";
        return 2;
    }
    model.keyMap().handleKey(returnKey());
    // A confirmation ("Press ↩ again …") is answered by a second, separate press.
    std::optional<QString> prompt;
    if (options.yes && model.pendingConfirmation() && !session.dismissed) {
        prompt = model.message();
        session.beeps = 0;
        model.keyMap().handleKey(returnKey());
    }
    waitForOperations(model);
    // The panel hides once the confirmed action runs; its prompt is then no longer shown.
    if (model.message() && !(prompt && session.dismissed && model.message() == prompt))
        out << shown(PlatformWords::current().text(*model.message())) << "\n";
    return session.beeps > 0 ? 1 : 0;
}

int runActionsCommand(const QStringList& args) {
    Options options;
    QTextStream out(stdout);
    Session session;
    if (auto status = start(args, true, kActionsUsage, options, session, out)) return *status;
    SearchModel& model = session.model;
    model.modes().showActions(std::nullopt);
    if (model.mode() != SearchModel::Mode::actions) {
        if (model.message()) out << shown(PlatformWords::current().text(*model.message())) << "\n";
        return 1;
    }
    const ResultItem item = *model.actionTarget();
    const QList<ItemAction> actions = model.actions();

    if (!options.run) {
        if (options.json) {
            QJsonObject object;
            object.insert(QStringLiteral("item"), rowJson(item));
            QJsonArray list;
            for (const ItemAction& action : actions)
                list.append(actionJson(action));
            object.insert(QStringLiteral("actions"), list);
            out << QJsonDocument(object).toJson(QJsonDocument::Indented);
        } else {
            out << shown(item.name()) << "\n";
            for (const ItemAction& action : actions) {
                out << "  " << action.title;
                if (action.shortcut) out << "  " << *action.shortcut;
                if (action.isDestructive)
                    out << "  " << QCoreApplication::translate("ActionsCommand", "(destructive)");
                out << "\n";
            }
        }
        return 0;
    }

    int index = -1;
    for (int i = 0; i < actions.size() && index < 0; ++i)
        if (titleMatches(actions[i].title, *options.run)) index = i;
    if (index < 0) {
        out << QCoreApplication::translate("ActionsCommand", "No action \u201C%1\u201D for \u201C%2\u201D")
                   .arg(*options.run, shown(item.name()))
            << "\n";
        return 2;
    }
    const QString title = actions[index].title;
    if (needsWindow(title)) {
        out << QCoreApplication::translate(
                   "ActionsCommand", "\u201C%1\u201D needs the panel; it cannot run from the command line")
                   .arg(title)
            << "\n";
        return 2;
    }
    static const char* const copies[] = {
        "Copy URL", "Copy as Markdown Link", "Copy Command", "Copy File", "Copy Path", "Copy Name",
        "Copy",     "Copy as Plain Text"};
    const bool copying = std::any_of(std::begin(copies), std::end(copies), [&title](const char* english) {
        return title == shownTitle(QString::fromUtf8(english));
    });
    if (copying && !clipboardAvailable()) {
        out << QCoreApplication::translate("ActionsCommand",
                                           "The clipboard is not available without a display")
            << "\n";
        return 2;
    }

    std::optional<QString> extra;
    if (title == shownTitle(QStringLiteral("Rename\u2026"))) {
        if (!options.to)
            return usageError(
                QCoreApplication::translate("ActionsCommand", "Rename needs the new name: --to NAME"),
                kActionsUsage);
        model.modes().performAction(index);
        if (model.mode() == SearchModel::Mode::rename) {
            model.setQuery(*options.to);
            model.keyMap().handleKey(returnKey());
        }
    } else if (title == shownTitle(QStringLiteral("Move to\u2026"))) {
        if (!options.to)
            return usageError(
                QCoreApplication::translate("ActionsCommand", "Move needs the folder: --to DIR"),
                kActionsUsage);
        const QString folder = PathInput::expand(CliContext::shared().platform(), *options.to);
        if (!QFileInfo(folder).isDir()) {
            out << QCoreApplication::translate("ActionsCommand", "No folder \u201C%1\u201D").arg(*options.to)
                << "\n";
            return 1;
        }
        model.modes().restoreSearch();
        // The panel asks for the folder and reports problems in an alert; here both are plain text.
        if (auto error = model.resultActions().moveInto(item, QFileInfo(folder).absoluteFilePath())) {
            out << shown(*error) << "\n";
            return 1;
        }
        extra = QCoreApplication::translate("ActionsCommand", "Moved \u201C%1\u201D to %2")
                    .arg(PathInput::lastPathComponent(item.url.toLocalFile()),
                         PathInput::abbreviatingWithTilde(CliContext::shared().platform().environment,
                                                          QFileInfo(folder).absoluteFilePath()));
    } else {
        model.modes().performAction(index);
    }
    waitForOperations(model);

    const std::optional<QString> message = extra ? extra : model.message();
    const bool ok = session.beeps == 0 && !session.alert;
    if (options.json) {
        QJsonObject object;
        object.insert(QStringLiteral("action"), title);
        object.insert(QStringLiteral("item"), rowJson(item));
        object.insert(QStringLiteral("message"), message ? QJsonValue(*message) : QJsonValue());
        object.insert(QStringLiteral("ok"), ok);
        out << QJsonDocument(object).toJson(QJsonDocument::Indented);
    } else {
        if (session.alert) out << shown(*session.alert) << "\n";
        if (extra)
            out << shown(*extra) << "\n";
        else if (message)
            out << shown(PlatformWords::current().text(*message)) << "\n";
    }
    return ok ? 0 : 1;
}

} // namespace zarvo::cli
