#include "search/Ranking.h"

#include "platform/Environment.h"
#include "search/Text.h"

#include <QDir>
#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace zarvo::Ranking {

namespace {

// Where a noise rule applies: anywhere in a path, or under one of the user's folders.
enum class Under { anywhere, home, dataHome, cacheHome };

struct NoiseRule {
    Under under;
    const char* text;
};

// Folders whose contents are never what the user looks for: caches, trash, build output, bundle
// internals, our own store. A rule anywhere holds a slash; under a folder it is relative to it,
// and a "*" component stands for any one folder name. The file index keeps all of these: a typed path
// still reaches them.
constexpr NoiseRule kSharedNoise[] = {
    {Under::anywhere, "/node_modules/"},
    {Under::anywhere, "/.git/"},
};
constexpr NoiseRule kMacNoise[] = {
    {Under::anywhere, "/Library/Caches/"},
    {Under::anywhere, "/.Trash/"},
    {Under::anywhere, "/DerivedData/"},
    {Under::anywhere, "/.build/"},
    {Under::anywhere, "/System/Library/PrivateFrameworks/"},
    {Under::anywhere, "/System/Library/Frameworks/"},
    {Under::anywhere, "/Library/Application Scripts/"},
    {Under::anywhere, "/Library/Containers/"},
    {Under::anywhere, "/Library/Group Containers/"},
    {Under::anywhere, ".app/Contents/"},
};
constexpr NoiseRule kLinuxNoise[] = {
    // The whole XDG cache (thumbnails, our own cache folder among them).
    {Under::cacheHome, ""},
    {Under::anywhere, "/.cache/"},
    {Under::anywhere, "/.thumbnails/"},
    // The home Trash, and the per-volume ones (.Trash-1000).
    {Under::dataHome, "Trash/"},
    {Under::anywhere, "/.Trash-"},
    // Our clip store: its pictures, thumbnails and lock file.
    {Under::dataHome, "Zarvo/"},
    // Sandboxed applications' caches and runtimes.
    {Under::home, ".var/app/*/cache/"},
    {Under::home, "snap/*/*/.cache/"},
    {Under::dataHome, "flatpak/"},
    {Under::anywhere, "/var/lib/flatpak/"},
    // Python.
    {Under::anywhere, "/__pycache__/"},
    {Under::anywhere, "/.venv/"},
    {Under::anywhere, "/venv/"},
    {Under::anywhere, "/site-packages/"},
    {Under::anywhere, "/.tox/"},
    {Under::anywhere, "/.mypy_cache/"},
    {Under::anywhere, "/.pytest_cache/"},
    // Build tools and their download caches.
    {Under::anywhere, "/target/debug/"},
    {Under::anywhere, "/.gradle/"},
    {Under::anywhere, "/CMakeFiles/"},
    {Under::home, ".npm/"},
    {Under::home, ".cargo/registry/"},
    {Under::home, ".m2/repository/"},
};

template <typename F> void eachRule(F&& f) {
    for (const NoiseRule& rule : kSharedNoise)
        f(rule);
    for (const NoiseRule& rule : kMacNoise)
        f(rule);
    for (const NoiseRule& rule : kLinuxNoise)
        f(rule);
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

namespace {

// The rules that hold anywhere. Every one holds a slash: one pass over the path's slashes, testing the
// rules there, costs less than a search of the whole path per rule (this runs for every result).
bool hasNoiseFragment(QStringView view) {
    // Each fragment with where its first slash lies and the character after it, which rules out
    // almost every slash of a path before a comparison.
    struct Fragment {
        QString text;
        qsizetype slash;
        QChar next;
    };
    static const std::vector<Fragment> fragments = [] {
        std::vector<Fragment> out;
        eachRule([&](const NoiseRule& rule) {
            if (rule.under != Under::anywhere) return;
            const QString text = QString::fromLatin1(rule.text);
            const qsizetype slash = text.indexOf(QLatin1Char('/'));
            out.push_back({text, slash, text.at(slash + 1)});
        });
        return out;
    }();
    for (qsizetype slash = view.indexOf(QLatin1Char('/')); slash >= 0 && slash + 1 < view.size();
         slash = view.indexOf(QLatin1Char('/'), slash + 1))
        for (const Fragment& f : fragments) {
            const qsizetype at = slash - f.slash;
            if (view.at(slash + 1) == f.next && at >= 0 && view.sliced(at).startsWith(f.text)) return true;
        }
    return false;
}

bool hasNoiseExtension(const QString& path) {
    const QStringView name = lastComponent(path);
    const qsizetype dot = extensionDot(name);
    return dot >= 0 && noiseExtensions().contains(name.mid(dot + 1).toString());
}

// Whether the path lies inside a rooted rule: its first piece is a folder, each later one follows one
// folder name of any kind.
bool insideRooted(QStringView path, const QStringList& pieces) {
    if (!path.startsWith(pieces.first())) return false;
    qsizetype at = pieces.first().size();
    for (qsizetype i = 1; i < pieces.size(); ++i) {
        const qsizetype slash = path.indexOf(QLatin1Char('/'), at);
        if (slash <= at) return false;
        at = slash + 1;
        if (!path.sliced(at).startsWith(pieces[i])) return false;
        at += pieces[i].size();
    }
    // The folder itself is no noise, only what it holds.
    return at < path.size();
}

} // namespace

Noise::Noise(const Environment& environment) {
    const auto folder = [&](Under under) {
        switch (under) {
        case Under::home:
            return environment.homePath();
        case Under::dataHome:
            return environment.dataHome();
        case Under::cacheHome:
            return environment.cacheHome();
        case Under::anywhere:
            break;
        }
        return QString();
    };
    eachRule([&](const NoiseRule& rule) {
        if (rule.under == Under::anywhere) return;
        QString root = QDir::cleanPath(folder(rule.under));
        // Without a folder (an empty or relative setting) the rule has nothing to hold.
        if (root.isEmpty() || !QDir::isAbsolutePath(root)) return;
        if (!root.endsWith(QLatin1Char('/'))) root += QLatin1Char('/');
        QStringList pieces = QString::fromLatin1(rule.text).split(QStringLiteral("*/"));
        pieces.first().prepend(root);
        // A root folder as cache would make every path noise.
        if (pieces.first() == QLatin1String("/")) return;
        m_rooted.push_back(std::move(pieces));
    });
}

bool Noise::contains(const QString& path) const {
    if (hasNoiseFragment(path)) return true;
    for (const QStringList& pieces : m_rooted)
        if (insideRooted(path, pieces)) return true;
    return hasNoiseExtension(path);
}

bool isNoise(const QString& path) {
    static const Noise fixed;
    return fixed.contains(path);
}

QStringList rank(const QStringList& paths, const QString& query,
                 const std::function<int(const QString&)>& boost) {
    return rank(paths, query, boost, {});
}

namespace {
// How the query matches one of an application's names: its own names anywhere, the names that only
// describe it (generic name, keywords) at word starts, so "dl" does not find a terminal by "commandline".
std::optional<int> nameScore(const ApplicationNames& app, qsizetype i, const QString& query) {
    return i < app.ownCount ? Fuzzy::score(query, app.names[i]) : Fuzzy::wordStartScore(query, app.names[i]);
}

// An application's name score: an exact name beats any fuzzy match; otherwise its best-matching name,
// or, for words spread over several of its names ("keepass password"), each word's best name. Among
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
    for (qsizetype i = 0; i < app.names.size(); ++i)
        if (const auto score = nameScore(app, i, query); score && (!best || *score > *best)) best = *score;
    if (best) return best;
    const QStringList words = Text::words(query);
    if (words.size() < 2) return std::nullopt;
    qint64 total = 0;
    for (const QString& word : words) {
        std::optional<int> wordBest;
        for (qsizetype i = 0; i < app.names.size(); ++i)
            if (const auto score = nameScore(app, i, word); score && (!wordBest || *score > *wordBest))
                wordBest = *score;
        if (!wordBest) return std::nullopt;
        total += *wordBest;
    }
    return total;
}
} // namespace

QStringList rank(const QStringList& paths, const QString& query,
                 const std::function<int(const QString&)>& boost, const ApplicationLookup& applications,
                 const Noise* noise) {
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
        if (noise ? noise->contains(path) : isNoise(path)) continue;
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
