#include "cli/QueryCommand.h"

#include "cli/CliContext.h"
#include "search/SearchModel.h"
#include "sources/PathInput.h"

#include <QCoreApplication>
#include <QElapsedTimer>
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

int runQueryCommand(const QStringList& args) {
    QTextStream out(stdout);
    QTextStream err(stderr);
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
        err << "usage: zarvo-cli query [--json] TEXT\n";
        return 2;
    }
    const QString text = words.first();

    CliContext& context = CliContext::shared();
    SearchModel model(context.searchServices());
    model.setQuery(text);
    if (model.mode() == SearchModel::Mode::search) model.runSearch();

    // Wait for the file search to report its last batch.
    if (model.isSearching()) {
        QEventLoop loop;
        QObject::connect(&model, &SearchModel::changed, &loop, [&] {
            if (!model.isSearching()) loop.quit();
        });
        QTimer::singleShot(kSearchTimeoutMs, &loop, &QEventLoop::quit);
        loop.exec();
    }

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
        return 0;
    }
    if (model.message()) out << *model.message() << "\n";
    for (const auto& item : model.results()) {
        out << item.name();
        if (item.subtitle && !item.subtitle->isEmpty())
            out << "  \u2014  " << *item.subtitle;
        else if (item.url.isLocalFile())
            out << "  \u2014  " << PathInput::abbreviatingWithTilde(item.url.toLocalFile());
        out << "  [" << tag(item) << "]\n";
    }
    return 0;
}

} // namespace zarvo::cli
