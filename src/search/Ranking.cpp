#include "search/Ranking.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace zarvo::Ranking {

namespace {

// Folders whose contents are never what the user looks for (caches, build output, bundle internals).
const QStringList& noiseFragments() {
    static const QStringList fragments = {
        QStringLiteral("/Library/Caches/"),
        QStringLiteral("/.Trash/"),
        QStringLiteral("/node_modules/"),
        QStringLiteral("/.git/"),
        QStringLiteral("/DerivedData/"),
        QStringLiteral("/.build/"),
        QStringLiteral("/System/Library/PrivateFrameworks/"),
        QStringLiteral("/System/Library/Frameworks/"),
        QStringLiteral("/Library/Application Scripts/"),
        QStringLiteral("/Library/Containers/"),
        QStringLiteral("/Library/Group Containers/"),
        QStringLiteral(".app/Contents/"),
    };
    return fragments;
}

// Plug-in and library bundles, compared exactly.
const QSet<QString>& noiseExtensions() {
    static const QSet<QString> extensions = {
        QStringLiteral("appex"),  QStringLiteral("framework"), QStringLiteral("bundle"),
        QStringLiteral("plugin"), QStringLiteral("dylib"),     QStringLiteral("xpc"),
    };
    return extensions;
}

// The last path component, trailing slashes ignored ("/a/b.framework/" → "b.framework").
QStringView lastComponent(QStringView path) {
    while (path.size() > 1 && path.endsWith(QLatin1Char('/')))
        path.chop(1);
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    return slash < 0 ? path : path.mid(slash + 1);
}

// The index of the dot that starts the extension, or -1. A leading dot names a hidden file, not an
// extension (".bashrc" has none), and a trailing dot gives none.
qsizetype extensionDot(QStringView name) {
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot <= 0 || dot == name.size() - 1) return -1;
    return dot;
}

} // namespace

bool isNoise(const QString& path) {
    // Every fragment holds a slash: one pass over the path's slashes, testing the fragments there,
    // costs less than a search of the whole path per fragment (this runs for every result).
    // Each fragment with where its first slash lies and the character after it, which rules out
    // almost every slash of a path before a comparison.
    struct Fragment {
        QString text;
        qsizetype slash;
        QChar next;
    };
    static const std::vector<Fragment> fragments = [] {
        std::vector<Fragment> out;
        for (const QString& text : noiseFragments()) {
            const qsizetype slash = text.indexOf(QLatin1Char('/'));
            out.push_back({text, slash, text.at(slash + 1)});
        }
        return out;
    }();
    const QStringView view(path);
    for (qsizetype slash = view.indexOf(QLatin1Char('/')); slash >= 0 && slash + 1 < view.size();
         slash = view.indexOf(QLatin1Char('/'), slash + 1))
        for (const Fragment& f : fragments) {
            const qsizetype at = slash - f.slash;
            if (view.at(slash + 1) == f.next && at >= 0 && view.sliced(at).startsWith(f.text)) return true;
        }
    const QStringView name = lastComponent(path);
    const qsizetype dot = extensionDot(name);
    return dot >= 0 && noiseExtensions().contains(name.mid(dot + 1).toString());
}

QStringList rank(const QStringList& paths, const QString& query,
                 const std::function<int(const QString&)>& boost) {
    return rank(paths, query, boost, {});
}

namespace {
// An application's name score: an exact name beats any fuzzy match; otherwise its best-matching name,
// or, for words spread over several of its names ("keepass password"), all of them together. Among
// exact matches its own name (the first) comes first, then one whose own name matches too: of two
// entries that run the same program ("thunar"), the file manager beats its Bulk Rename.
std::optional<qint64> applicationScore(const ApplicationNames& app, const QString& query, const QString& q) {
    if (!q.isEmpty())
        for (int i = 0; i < app.exactCount && i < app.names.size(); ++i) {
            if (app.names[i].toLower() != q) continue;
            if (i == 0) return 10010;
            return Fuzzy::score(query, app.names.first()) ? 10005 : 10000;
        }
    std::optional<qint64> best;
    for (const QString& name : app.names)
        if (const auto fuzzy = Fuzzy::score(query, name); fuzzy && (!best || *fuzzy > *best)) best = *fuzzy;
    if (!best)
        if (const auto joined = Fuzzy::score(query, app.names.join(QLatin1Char(' ')))) best = *joined;
    return best;
}
} // namespace

QStringList rank(const QStringList& paths, const QString& query,
                 const std::function<int(const QString&)>& boost, const ApplicationLookup& applications) {
    const QString q = query.toLower();
    struct Scored {
        qint64 score;
        const QString* path;
    };
    std::vector<Scored> scored;
    scored.reserve(size_t(paths.size()));
    for (const QString& path : paths) {
        if (applications) {
            // An installed application is never noise.
            if (const auto app = applications(path)) {
                const auto score = applicationScore(*app, query, q);
                if (!score) continue;
                // The application bundle's bonus, as a .app path gets it.
                scored.push_back({*score + 12 + (boost ? boost(path) : 0), &path});
                continue;
            }
        }
        if (isNoise(path)) continue;
        const QString name = lastComponent(path).toString();
        const QString lower = name.toLower();
        const qsizetype dot = extensionDot(lower);
        qint64 score = 0;
        // An exact name, with or without its extension, beats any fuzzy match. An empty query is never
        // "exact": it must leave the order to the boost.
        if (!q.isEmpty() && (lower == q || (dot >= 0 && QStringView(lower).left(dot) == q))) {
            score = 10000;
        } else {
            const auto fuzzy = Fuzzy::score(query, name);
            if (!fuzzy) continue;
            score = *fuzzy;
        }
        if (path.endsWith(QLatin1String(".app"))) score += 12;
        if (boost) score += boost(path);
        scored.push_back({score, &path});
    }
    // Stable: equal scores keep the order in which the search delivered them.
    std::stable_sort(scored.begin(), scored.end(),
                     [](const Scored& a, const Scored& b) { return a.score > b.score; });
    QStringList out;
    out.reserve(qsizetype(scored.size()));
    for (const Scored& s : scored)
        out.append(*s.path);
    return out;
}

int boost(std::optional<double> frecency, bool favorite) {
    int total = 0;
    if (frecency && !std::isnan(*frecency)) total += int(std::trunc(std::min(*frecency, 400.0) / 10.0));
    if (favorite) total += 30;
    return total;
}

std::function<int(const QString&)> pipelineBoost(QHash<QString, double> frecencyTable,
                                                 QSet<QString> favorites) {
    return [table = std::move(frecencyTable), favorites = std::move(favorites)](const QString& path) {
        const auto it = table.constFind(path);
        return boost(it == table.constEnd() ? std::nullopt : std::optional<double>(*it),
                     favorites.contains(path));
    };
}

} // namespace zarvo::Ranking
