#include "search/SearchQuery.h"
#include "search/Text.h"

#include "platform/Environment.h"
#include "platform/Platform.h"
#include "sources/PathInput.h"
#include "sources/Shortcuts.h"

#include <QDirIterator>
#include <QFileInfo>
#include <QRegularExpression>

namespace zarvo {

namespace {

struct KindRow {
    std::initializer_list<const char*> words;
    std::initializer_list<const char*> types;
};

const KindRow kKindRows[] = {
    {{"img", "image", "images", "photo", "pic"}, {"public.image"}},
    {{"pdf"}, {"com.adobe.pdf"}},
    {{"video", "movie", "vid"}, {"public.movie"}},
    {{"audio", "music", "song"}, {"public.audio"}},
    {{"doc", "docs", "document"},
     {"com.adobe.pdf", "public.plain-text", "public.rtf", "org.openxmlformats.wordprocessingml.document",
      "com.microsoft.word.doc", "com.apple.iwork.pages.sffpages", "net.daringfireball.markdown"}},
    {{"sheet", "excel"},
     {"org.openxmlformats.spreadsheetml.sheet", "com.microsoft.excel.xls",
      "public.comma-separated-values-text", "com.apple.iwork.numbers.sffnumbers"}},
    {{"csv"}, {"public.comma-separated-values-text"}},
    {{"slides"},
     {"org.openxmlformats.presentationml.presentation", "com.apple.iwork.keynote.sffkey",
      "com.microsoft.powerpoint.ppt"}},
    {{"folder", "dir"}, {"public.folder"}},
    {{"app"}, {"com.apple.application-bundle"}},
    {{"code"}, {"public.source-code", "public.script"}},
    {{"zip"}, {"public.archive", "public.zip-archive"}},
    {{"archive"}, {"public.archive"}},
};

// The lower bound a date word sets, or none when the word is not a date word or the calendar cannot
// form the day.
std::optional<QDateTime> dateBound(const QString& word, const QDateTime& now) {
    if (!now.isValid()) return std::nullopt;
    if (word == QLatin1String("today") || word == QLatin1String("yesterday")) {
        QDate day = now.toLocalTime().date();
        if (word == QLatin1String("yesterday")) day = day.addDays(-1);
        const QDateTime start = day.startOfDay();
        if (!start.isValid()) return std::nullopt;
        return start;
    }
    if (word == QLatin1String("week")) return now.addSecs(-604800);
    if (word == QLatin1String("month")) return now.addSecs(-2592000);
    if (word == QLatin1String("year")) return now.addSecs(-31536000);
    return std::nullopt;
}

bool isDirectory(const QString& path) {
    return !path.isEmpty() && QFileInfo(path).isDir();
}

} // namespace

const QHash<QString, QStringList>& SearchQuery::kinds() {
    static const QHash<QString, QStringList> table = [] {
        QHash<QString, QStringList> out;
        for (const auto& row : kKindRows) {
            QStringList types;
            for (const char* type : row.types)
                types << QString::fromLatin1(type);
            for (const char* word : row.words)
                out.insert(QString::fromLatin1(word), types);
        }
        return out;
    }();
    return table;
}

SearchQuery SearchQuery::parse(const Platform& platform, const QString& text, const QDateTime& now) {
    SearchQuery query;
    QStringList termWords;
    const QStringList tokens = Text::words(text);
    const auto& kindTable = kinds();
    for (const QString& token : tokens) {
        const QString lower = token.toLower();
        if (lower.startsWith(QLatin1String("in:")) && lower.size() >= 4) {
            const QString name = token.mid(3);
            if (auto folder = resolveFolder(platform, name))
                query.scope = *folder;
            else
                query.unknownScope = name;
            continue;
        }
        if (lower.startsWith(QLatin1String("kind:"))) {
            if (auto it = kindTable.constFind(lower.mid(5)); it != kindTable.constEnd()) {
                query.contentTypes << *it;
                continue;
            }
        }
        if (lower.endsWith(u':')) {
            const QString word = lower.chopped(1);
            if (auto it = kindTable.constFind(word); it != kindTable.constEnd()) {
                query.contentTypes << *it;
                continue;
            }
            if (auto since = dateBound(word, now)) {
                query.since = *since;
                continue;
            }
        }
        termWords << token;
    }
    query.term = termWords.join(u' ');
    return query;
}

std::optional<QString> SearchQuery::resolveFolder(const Platform& platform, const QString& name) {
    if (PathInput::looksLikePath(name)) {
        QString path = PathInput::expand(platform, name);
        // The scope is joined with other path parts later; a trailing slash would double up.
        while (path.size() > 1 && path.endsWith(u'/'))
            path.chop(1);
        if (isDirectory(path)) return path;
        return std::nullopt;
    }

    const QString lower = name.toLower();
    for (const Shortcut& shortcut : Shortcuts::builtIn(platform)) {
        const auto* target = std::get_if<Shortcut::Path>(&shortcut.target);
        if (!target || (shortcut.keyword != lower && !shortcut.aliases.contains(lower))) continue;
        if (isDirectory(target->path)) return target->path;
    }

    const Environment* env = platform.environment;
    if (!env) return std::nullopt;
    const QString home = env->homePath();
    QDirIterator listing(home, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    while (listing.hasNext()) {
        listing.next();
        const QString entry = listing.fileName();
        if (entry.toLower() != lower) continue;
        const QString path = PathInput::appendingPathComponent(home, entry);
        if (isDirectory(path)) return path;
        return std::nullopt;
    }
    return std::nullopt;
}

} // namespace zarvo
