#include "cli/QueryCommand.h"

#include "cli/CliContext.h"
#include "platform/Platform.h"
#include "platform/PlatformWords.h"
#include "search/QueryPipeline.h"
#include "search/SearchModel.h"
#include "sources/PathInput.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTextStream>
#include <QTimer>

namespace zarvo::cli {

namespace {

QJsonValue optional(const std::optional<QString>& value) {
    return value ? QJsonValue(*value) : QJsonValue();
}

QString tag(const ResultItem& item) {
    return ResultItem::sourceName(item.source);
}

constexpr int kSearchTimeoutMs = 30000;

} // namespace

QJsonObject rowJson(const ResultItem& item) {
    QJsonObject row;
    row.insert(QStringLiteral("url"), item.url.toString(QUrl::FullyEncoded));
    row.insert(QStringLiteral("source"), ResultItem::sourceName(item.source));
    row.insert(QStringLiteral("isDirectory"), item.isDirectory);
    row.insert(QStringLiteral("title"), optional(item.title));
    row.insert(QStringLiteral("subtitle"), optional(item.subtitle));
    row.insert(QStringLiteral("iconPath"), optional(item.iconPath));
    row.insert(QStringLiteral("symbol"), optional(item.symbol));
    row.insert(QStringLiteral("keyword"), optional(item.keyword));
    row.insert(QStringLiteral("systemAction"),
               item.systemAction ? QJsonValue(SystemActions::rawValue(*item.systemAction)) : QJsonValue());
    row.insert(QStringLiteral("command"), optional(item.command));
    row.insert(QStringLiteral("example"), optional(item.example));
    row.insert(QStringLiteral("clipID"),
               item.clipID ? QJsonValue(item.clipID->toString(QUuid::WithoutBraces).toUpper())
                           : QJsonValue());
    row.insert(QStringLiteral("isPinned"), item.isPinned);
    row.insert(QStringLiteral("name"), item.name());
    row.insert(QStringLiteral("historyKey"), item.historyKey());
    return row;
}

namespace {

QString format(const SearchModel& model, const Environment* environment, const PlatformWords& words,
               const QString& text, bool json, bool terminal) {
    QString output;
    QTextStream out(&output);
    if (json) {
        QJsonObject object;
        object.insert(QStringLiteral("query"), text);
        object.insert(QStringLiteral("message"), optional(model.message()));
        object.insert(QStringLiteral("selectedIndex"), model.selectedIndex());
        QJsonArray rows;
        for (const auto& item : model.results())
            rows.append(rowJson(item));
        object.insert(QStringLiteral("results"), rows);
        out << QJsonDocument(object).toJson(QJsonDocument::Indented);
        return output;
    }
    // Messages and second lines in the panel's words, as the panel draws them.
    if (model.message()) out << shown(words.text(*model.message()), terminal) << "\n";
    for (const auto& item : model.results()) {
        out << shown(item.name(), terminal);
        if (item.subtitle && !item.subtitle->isEmpty())
            out << "  \u2014  " << shown(words.text(*item.subtitle), terminal);
        else if (item.url.isLocalFile())
            out << "  \u2014  "
                << shown(PathInput::abbreviatingWithTilde(environment, item.url.toLocalFile()), terminal);
        out << "  [" << tag(item) << "]\n";
    }
    out.flush();
    return output;
}

} // namespace

void runQuery(const SearchModel::Services& services, const QStringList& args,
              std::function<void(const CommandOutput&)> done) {
    bool json = false;
    QStringList words;
    bool literal = false;
    for (const QString& arg : args) {
        if (!literal && arg == QLatin1String("--json"))
            json = true;
        else if (!literal && arg == QLatin1String("--"))
            literal = true;
        else
            words << arg;
    }
    if (words.size() != 1) {
        done({2, QString(),
              QCoreApplication::translate("QueryCommand", "usage: zarvo-cli query [--json] TEXT\n")});
        return;
    }
    const QString text = words.first();

    // The model goes when the outcome is out; the timer and the connection go with it.
    struct Pending {
        SearchModel* model;
        const Environment* environment;
        const PlatformWords& words;
        QString text;
        bool json;
        bool terminal; // as it is now: the answer is formatted later
        std::function<void(const CommandOutput&)> done;
        bool finished = false;
    };
    auto pending = std::make_shared<Pending>(Pending{new SearchModel(services), services.platform.environment,
                                                     PlatformWords::of(services.platform), text, json,
                                                     printsToTerminal(), std::move(done)});
    // Once: when the file search reports its last batch, or when it takes too long.
    const auto finish = [pending] {
        if (pending->finished) return;
        pending->finished = true;
        pending->model->deleteLater();
        pending->done({0,
                       format(*pending->model, pending->environment, pending->words, pending->text,
                              pending->json, pending->terminal),
                       QString()});
    };
    SearchModel* model = pending->model;
    model->pipeline().setShowsFileSearchProgress(false);
    model->setQuery(text);
    if (model->mode() == SearchModel::Mode::search) model->pipeline().runSearch();
    if (!model->isSearching()) {
        finish();
        return;
    }
    QObject::connect(model, &SearchModel::changed, model, [model, finish] {
        if (!model->isSearching()) finish();
    });
    QTimer::singleShot(kSearchTimeoutMs, model, finish);
}

int runQueryCommand(const QStringList& args) {
    CliContext& context = CliContext::shared();
    std::optional<CommandOutput> result;
    QEventLoop loop;
    runQuery(context.searchServices(), args, [&](const CommandOutput& output) {
        result = output;
        loop.quit();
    });
    if (!result) loop.exec();
    QTextStream(stdout) << result->out;
    QTextStream(stderr) << result->err;
    return result->code;
}

} // namespace zarvo::cli
