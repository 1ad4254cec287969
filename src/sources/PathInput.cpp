#include "sources/PathInput.h"
#include "search/Text.h"

#include "platform/Environment.h"
#include "platform/Platform.h"
#include "platform/Workspace.h"
#include "search/Fuzzy.h"
#include "sources/FolderListing.h"

#include <QCollator>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>

#include <algorithm>
#include <numeric>
#include <pwd.h>
#include <unistd.h>
#include <vector>

namespace zarvo::PathInput {

namespace {

constexpr int kMaxCompletions = 150;

QString homePath(const Environment* env) {
    return env ? env->homePath() : QString();
}

std::optional<QString> environmentValue(const Environment* env, const QString& name) {
    return env ? env->variable(name) : std::nullopt;
}

// The table's macOS place as this platform names it.
QString platformPlace(const Platform& platform, const QString& tablePath) {
    const Workspace* workspace = platform.workspace;
    return workspace ? workspace->platformPath(tablePath) : tablePath;
}

using Text::trimSpacesAndTabs;

// The home folder of another user, from the password database; none for an unknown user.
std::optional<QString> homeOfUser(const Environment* env, const QString& user) {
    if (env && user == env->userName()) return env->homePath();
    const QByteArray name = user.toLocal8Bit();
    if (name.isEmpty() || name.contains('\0')) return std::nullopt;
    long size = sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(size > 0 ? size_t(size) : 16384);
    passwd entry{};
    passwd* found = nullptr;
    if (getpwnam_r(name.constData(), &entry, buffer.data(), buffer.size(), &found) != 0 || !found ||
        !found->pw_dir)
        return std::nullopt;
    return QString::fromLocal8Bit(found->pw_dir);
}

// A leading ~ or ~user replaced by that home folder; trailing slashes are dropped like the path API does.
QString expandTilde(const Environment* env, const QString& path) {
    QString result = path;
    if (path.startsWith(u'~')) {
        const qsizetype slash = path.indexOf(u'/');
        const QString user = slash < 0 ? path.mid(1) : path.mid(1, slash - 1);
        const QString rest = slash < 0 ? QString() : path.mid(slash);
        std::optional<QString> base =
            user.isEmpty() ? std::optional<QString>(homePath(env)) : homeOfUser(env, user);
        if (base) result = *base + rest;
    }
    while (result.size() > 1 && result.endsWith(u'/'))
        result.chop(1);
    return result;
}

// Finder order: case-insensitive, numbers by value, in the user's language. The plain C locale
// collates bytewise and ignores numeric mode, so it is replaced by English there.
QCollator finderCollator() {
    QLocale locale;
    if (locale.language() == QLocale::C) locale = QLocale(QLocale::English, QLocale::UnitedStates);
    QCollator collator(locale);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    collator.setNumericMode(true);
    return collator;
}

} // namespace

QString tempDirectory(const Environment* environment) {
    QString temp = environment ? environment->tempPath() : QString();
    if (temp.size() > 1 && temp.endsWith(u'/')) temp.chop(1);
    return temp;
}

const QSet<QString>& commonTLDs() {
    static const QSet<QString> tlds = {QStringLiteral("com"), QStringLiteral("org"), QStringLiteral("net"),
                                       QStringLiteral("io"),  QStringLiteral("dev"), QStringLiteral("co"),
                                       QStringLiteral("edu"), QStringLiteral("gov"), QStringLiteral("uk"),
                                       QStringLiteral("ca"),  QStringLiteral("de"),  QStringLiteral("xyz")};
    return tlds;
}

QHash<QString, QString> windowsVariables(const Platform& platform) {
    // Built per call: the platform (and so the home folder) is per process in the application but
    // per test in the unit tests, and fourteen entries cost nothing next to a file-system call.
    const Environment* env = platform.environment;
    const QString home = homePath(env);
    const QString appData = env ? env->dataHome() : home + QStringLiteral("/Library/Application Support");
    const QString programs = platformPlace(platform, QStringLiteral("/Applications"));
    const QString system = platformPlace(platform, QStringLiteral("/System"));
    return {
        {QStringLiteral("USERPROFILE"), home},
        {QStringLiteral("HOMEPATH"), home},
        {QStringLiteral("HOME"), home},
        {QStringLiteral("TEMP"), tempDirectory(env)},
        {QStringLiteral("TMP"), tempDirectory(env)},
        {QStringLiteral("APPDATA"), appData},
        {QStringLiteral("LOCALAPPDATA"), appData},
        {QStringLiteral("PROGRAMFILES"), programs},
        {QStringLiteral("PROGRAMFILES(X86)"), programs},
        {QStringLiteral("PROGRAMDATA"),
         platformPlace(platform, QStringLiteral("/Library/Application Support"))},
        {QStringLiteral("SYSTEMROOT"), system},
        {QStringLiteral("WINDIR"), system},
        {QStringLiteral("SYSTEMDRIVE"), QString()},
        {QStringLiteral("USERNAME"), env ? env->userName() : QString()},
    };
}

bool looksLikePath(const QString& text) {
    const QString t = trimSpacesAndTabs(text);
    if (t.startsWith(u'/') || t.startsWith(u'~') || t.startsWith(QLatin1String("file://")) ||
        t.startsWith(QLatin1String("\"/")) || t.startsWith(QLatin1String("'/")) || t.startsWith(u'$'))
        return true;
    return t.startsWith(u'%') && t.indexOf(u'%', 1) > 0;
}

QString expand(const Platform& platform, const QString& text) {
    QString t = text.trimmed();
    if (t.size() >= 2 && t.front() == t.back() && (t.front() == u'"' || t.front() == u'\''))
        t = t.mid(1, t.size() - 2);
    if (t.startsWith(QLatin1String("file://"))) {
        const QUrl url(t);
        if (url.isValid()) t = url.path();
    }
    if (t.contains(QLatin1String("\\ "))) t.replace(QLatin1String("\\ "), QLatin1String(" "));
    t = expandVariables(platform, t);
    const bool folderMeant = t.size() > 1 && t.endsWith(u'/');
    t = expandTilde(platform.environment, t);
    if (folderMeant && !t.endsWith(u'/')) t += u'/';
    return t;
}

QString expandVariables(const Platform& platform, const QString& text) {
    static const QRegularExpression windowsStyle(QStringLiteral("%([A-Za-z_()0-9]+)%"));
    static const QRegularExpression unixStyle(QStringLiteral("\\$\\{?([A-Za-z_][A-Za-z_0-9]*)\\}?"));

    QString result = text;
    if (result.contains(u'%')) {
        QList<QRegularExpressionMatch> found;
        for (auto it = windowsStyle.globalMatch(result); it.hasNext();)
            found << it.next();
        if (!found.isEmpty()) {
            const QHash<QString, QString> windows = windowsVariables(platform);
            bool replaced = false;
            // From the last match back, so the earlier ranges stay valid.
            for (auto it = found.crbegin(); it != found.crend(); ++it) {
                const QString name = it->captured(1);
                std::optional<QString> value;
                if (auto w = windows.constFind(name.toUpper()); w != windows.constEnd())
                    value = *w;
                else
                    value = environmentValue(platform.environment, name);
                if (!value) continue;
                result.replace(it->capturedStart(0), it->capturedLength(0), *value);
                replaced = true;
            }
            if (replaced) result.replace(u'\\', u'/');
        }
    }
    if (result.contains(u'$')) {
        QList<QRegularExpressionMatch> found;
        for (auto it = unixStyle.globalMatch(result); it.hasNext();)
            found << it.next();
        for (auto it = found.crbegin(); it != found.crend(); ++it)
            if (const auto value = environmentValue(platform.environment, it->captured(1)))
                result.replace(it->capturedStart(0), it->capturedLength(0), *value);
    }
    return result;
}

QList<ResultItem> completions(const Platform& platform, const QString& text, bool showHidden) {
    const QString path = expand(platform, text);
    QString folder, prefix, exact;
    if (path.endsWith(u'/')) {
        folder = path;
        exact = path.size() >= 2 ? path.chopped(1) : path;
    } else {
        folder = deletingLastPathComponent(path);
        prefix = lastPathComponent(path).toLower();
        exact = path;
    }

    QList<ResultItem> results;
    if (!exact.isEmpty() && QFileInfo::exists(exact))
        results << ResultItem::file(platform.workspace, exact, ResultItem::Source::path);

    if (folder.isEmpty()) folder = QStringLiteral("/");
    // A relative folder would be read against the process's working folder, which means nothing to the
    // user; only absolute folders are listed.
    if (!folder.startsWith(u'/')) return results;

    const bool includeHidden = showHidden || prefix.startsWith(u'.');
    const std::shared_ptr<const FolderListing> listing = FolderListing::of(folder, includeHidden);
    const QStringList& names = listing->names;

    std::vector<qsizetype> plain;
    std::vector<qsizetype> others;
    if (!prefix.isEmpty()) {
        const QStringList& lowered = listing->lowered();
        for (qsizetype i = 0; i < names.size(); ++i) {
            if (lowered[i].startsWith(prefix))
                plain.push_back(i);
            else
                others.push_back(i);
        }
    }

    // Only the first 150 in Finder order are needed: a partial sort (a heap of 150) compares each name
    // about once, cheaper than building a collation key for every name. The listing index breaks ties,
    // which makes it as stable as a full stable sort.
    const QCollator collator = finderCollator();
    auto firstInFinderOrder = [&](const std::vector<qsizetype>& among) {
        std::vector<size_t> order(among.size());
        std::iota(order.begin(), order.end(), size_t(0));
        const size_t take = std::min(order.size(), size_t(kMaxCompletions));
        std::partial_sort(order.begin(), order.begin() + take, order.end(), [&](size_t a, size_t b) {
            const int c = collator.compare(names[among[a]], names[among[b]]);
            return c != 0 ? c < 0 : a < b;
        });
        std::vector<qsizetype> first;
        first.reserve(take);
        for (size_t i = 0; i < take; ++i)
            first.push_back(among[order[i]]);
        return first;
    };
    std::vector<qsizetype> kept;
    if (prefix.isEmpty()) {
        // Every name is plain: the same first names for as long as the listing is kept.
        kept = listing->firstInOrder(collator.locale().bcp47Name(), [&] {
            std::vector<qsizetype> all(size_t(names.size()));
            std::iota(all.begin(), all.end(), qsizetype(0));
            return firstInFinderOrder(all);
        });
    } else {
        kept = firstInFinderOrder(plain);
    }
    kept.reserve(kMaxCompletions);

    if (kept.size() < size_t(kMaxCompletions) && !others.empty()) {
        const QStringList words = Text::words(prefix);
        std::vector<std::pair<int, qsizetype>> scored; // score, listing index
        for (qsizetype i : others) {
            int total = 0;
            bool matched = true;
            for (const QString& word : words) {
                const auto score = Fuzzy::wordScore(word, names[i]);
                if (!score) {
                    matched = false;
                    break;
                }
                total += *score;
            }
            if (matched) scored.emplace_back(total, i);
        }
        std::stable_sort(scored.begin(), scored.end(),
                         [](const auto& a, const auto& b) { return a.first > b.first; });
        for (const auto& [score, index] : scored) {
            if (kept.size() >= size_t(kMaxCompletions)) break;
            kept.push_back(index);
        }
    }

    for (qsizetype index : kept) {
        const QString full = appendingPathComponent(folder, names[index]);
        if (full == exact) continue;
        results << ResultItem::file(platform.workspace, full, ResultItem::Source::path);
    }
    return results;
}

bool looksLikeFileName(const QString& text) {
    if (text.size() > 255 || text.contains(u'/')) return false;
    for (QChar c : text)
        if (c == u'\n' || c == u'\r' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
            return false;
    if (text.count(u' ') > 6) return false;
    const QString extension = pathExtension(text);
    if (extension.isEmpty() || extension.size() > 10) return false;
    bool hasLetter = false;
    for (QChar c : extension) {
        if (!c.isLetterOrNumber()) return false;
        hasLetter = hasLetter || c.isLetter();
    }
    if (!hasLetter) return false;
    const QString rest = deletingPathExtension(text);
    return !trimSpacesAndTabs(rest).isEmpty() && !rest.endsWith(u' ');
}

std::optional<QUrl> webURL(const QString& text) {
    const QString t = text.trimmed();
    if (t.isEmpty() || t.contains(u' ') || looksLikePath(t)) return std::nullopt;
    const QString lower = t.toLower();
    auto parsed = [](const QString& s) -> std::optional<QUrl> {
        QUrl url(s, QUrl::StrictMode);
        if (!url.isValid()) url = QUrl(s, QUrl::TolerantMode);
        if (!url.isValid() || url.scheme().isEmpty()) return std::nullopt;
        return url;
    };
    if (lower.startsWith(QLatin1String("http://")) || lower.startsWith(QLatin1String("https://")))
        return parsed(t);
    const qsizetype slash = lower.indexOf(u'/');
    const QString hostAndPort = slash < 0 ? lower : lower.left(slash);
    const qsizetype colon = hostAndPort.indexOf(u':');
    const QString host = colon < 0 ? hostAndPort : hostAndPort.left(colon);
    if (host != QLatin1String("localhost")) {
        const qsizetype dot = host.lastIndexOf(u'.');
        const bool webHost = (host.startsWith(QLatin1String("www.")) && host.size() > 4) ||
                             (dot >= 0 && commonTLDs().contains(host.mid(dot + 1)));
        if (!webHost) return std::nullopt;
        return parsed(QStringLiteral("https://") + t);
    }
    if (colon < 0) return std::nullopt;
    return parsed(QStringLiteral("http://") + t);
}

QString lastPathComponent(const QString& path) {
    QString p = path;
    while (p.size() > 1 && p.endsWith(u'/'))
        p.chop(1);
    if (p == QLatin1String("/")) return p;
    return p.mid(p.lastIndexOf(u'/') + 1);
}

QString deletingLastPathComponent(const QString& path) {
    QString p = path;
    while (p.size() > 1 && p.endsWith(u'/'))
        p.chop(1);
    const qsizetype slash = p.lastIndexOf(u'/');
    if (slash < 0) return QString();
    if (slash == 0) return QStringLiteral("/");
    QString parent = p.left(slash);
    while (parent.size() > 1 && parent.endsWith(u'/'))
        parent.chop(1);
    return parent;
}

QString appendingPathComponent(const QString& folder, const QString& name) {
    if (folder.isEmpty()) return name;
    if (folder.endsWith(u'/')) return folder + name;
    return folder + u'/' + name;
}

namespace {
// Index of the dot that starts the extension of the last component, or -1.
qsizetype extensionDot(const QString& path, qsizetype* componentEnd) {
    qsizetype end = path.size();
    while (end > 1 && path[end - 1] == u'/')
        --end;
    *componentEnd = end;
    const qsizetype start = path.lastIndexOf(u'/', end - 1) + 1;
    const qsizetype dot = path.lastIndexOf(u'.', end - 1);
    // A leading dot names a hidden file, not an extension.
    if (dot <= start) return -1;
    return dot;
}
} // namespace

QString pathExtension(const QString& path) {
    qsizetype end = 0;
    const qsizetype dot = extensionDot(path, &end);
    return dot < 0 ? QString() : path.mid(dot + 1, end - dot - 1);
}

QString deletingPathExtension(const QString& path) {
    qsizetype end = 0;
    const qsizetype dot = extensionDot(path, &end);
    return dot < 0 ? path.left(end) : path.left(dot);
}

QString abbreviatingWithTilde(const Environment* environment, const QString& path) {
    const QString home = homePath(environment);
    if (home.isEmpty() || home == QLatin1String("/")) return path;
    if (path == home) return QStringLiteral("~");
    if (path.size() > home.size() && path[home.size()] == u'/' && path.startsWith(home)) {
        QString abbreviated;
        abbreviated.reserve(1 + path.size() - home.size());
        abbreviated += u'~';
        abbreviated += QStringView(path).mid(home.size());
        return abbreviated;
    }
    return path;
}

} // namespace zarvo::PathInput
