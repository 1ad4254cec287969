// File index benchmark driver, run by bench/bench_index.sh (which also times find and plocate on
// the same tree). Subcommands:
//   gen DIR [SIZE]          generate the tree unless present: 1m (1,000,000 files in 100,000 folders,
//                           the default) or 5m (4,500,000 files in 500,000 folders: 5,000,000 entries)
//   crawl DIR SNAPSHOT      crawl the tree and write the snapshot; prints the time
//   query DIR SNAPSHOT      snapshot load, memory per entry, query latencies
//   live DIR                create-to-found latency with the live (inotify) index
#include "files/IndexMetadataQuery.h"
#include "index/FileIndex.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <random>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace zarvo;
using namespace zarvo::index;

namespace {

struct TreeSize {
    const char* name;
    int folders;
    int files;
};
constexpr TreeSize kSizes[] = {{"1m", 100000, 1000000}, {"5m", 500000, 4500000}};

void line(const char* name, double value, const char* unit) {
    std::printf("bench %s: %.3f %s\n", name, value, unit);
}

int generate(const QString& dir, const TreeSize& size) {
    const int folderCount = size.folders, fileCount = size.files;
    const QByteArray root = QFile::encodeName(dir);
    const QByteArray marker = root + "/.generated-" + size.name;
    if (::access(marker.constData(), F_OK) == 0) {
        std::printf("# tree present: %s\n", root.constData());
        return 0;
    }
    QDir(dir).removeRecursively();
    QDir().mkpath(dir);
    std::mt19937 rng(20260314);
    const char* words[] = {
        "report",   "Report",       "summary",   "Invoice", "notes",     "Budget", "draft",    "final",
        "meeting",  "Project",      "photo",     "IMG",     "scan",      "backup", "config",   "README",
        "download", "Download",     "data",      "export",  "test",      "Main",   "utils",    "index",
        "chapter",  "Thesis",       "Résumé",    "Café",    "Überblick", "niño",   "日本語",   "año",
        "holiday",  "Screenshot",   "release",   "build",   "assets",    "Music",  "track",    "video",
        "slides",   "Presentation", "quarterly", "annual",  "tax",       "letter", "contract", "plan"};
    const char* exts[] = {".txt", ".pdf",  ".jpg",  ".png",  ".docx",    ".xlsx", ".md",  ".cpp",
                          ".h",   ".py",   ".js",   ".json", ".mp3",     ".mp4",  ".zip", ".tar.gz",
                          ".csv", ".pptx", ".html", ".log",  ".sh",      ".rs",   ".go",  ".odt",
                          ".svg", ".JPG",  ".heic", ".mkv",  ".desktop", ""};
    const int nWords = int(sizeof words / sizeof *words), nExts = int(sizeof exts / sizeof *exts);
    auto name = [&](bool file) {
        std::string n = words[rng() % nWords];
        const int parts = int(rng() % 3);
        for (int i = 0; i < parts; ++i) {
            n += "_- "[rng() % 3];
            if (rng() % 3 == 0)
                n += std::to_string(rng() % 2025);
            else
                n += words[rng() % nWords];
        }
        if (file) n += exts[rng() % nExts];
        return n;
    };
    std::vector<std::string> folders{root.toStdString()};
    folders.reserve(folderCount + 1);
    QElapsedTimer t;
    t.start();
    for (int i = 0; i < folderCount; ++i) {
        // Mostly shallow: a parent among the recent folders or near the top.
        const size_t parent =
            (rng() % 4 == 0) ? rng() % std::min<size_t>(folders.size(), 200) : rng() % folders.size();
        std::string path = folders[parent] + "/" + name(false) + " " + std::to_string(i);
        if (::mkdir(path.c_str(), 0755) != 0) continue;
        folders.push_back(std::move(path));
    }
    const time_t now = ::time(nullptr);
    for (int i = 0; i < fileCount; ++i) {
        const std::string path = folders[1 + rng() % (folders.size() - 1)] + "/" + name(true);
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
        if (fd < 0) continue;
        // Three years of history, a little of it this week.
        const time_t when = now - time_t(rng() % (3 * 365 * 86400));
        const timespec times[2] = {{when, 0}, {when, 0}};
        ::futimens(fd, times);
        ::close(fd);
    }
    QFile m(QString::fromUtf8(marker));
    m.open(QIODevice::WriteOnly);
    std::printf("# generated %zu folders and %d files in %.1f s\n", folders.size() - 1, fileCount,
                t.elapsed() / 1000.0);
    return 0;
}

IndexConfig configFor(const QString& dir, const QString& snapshot) {
    IndexConfig c;
    c.roots = {dir};
    c.snapshotPath = snapshot;
    c.watch = false;
    return c;
}

int crawl(const QString& dir, const QString& snapshot) {
    QElapsedTimer t;
    t.start();
    FileIndex index(configFor(dir, snapshot));
    index.rebuild();
    const qint64 crawled = t.elapsed();
    if (!index.saveSnapshot()) return 1;
    std::printf("# crawl %lld ms, snapshot written in %lld ms\n", crawled, t.elapsed() - crawled);
    rusage ru{};
    ::getrusage(RUSAGE_SELF, &ru);
    const double cpu = double(ru.ru_utime.tv_sec + ru.ru_stime.tv_sec) * 1000.0 +
                       double(ru.ru_utime.tv_usec + ru.ru_stime.tv_usec) / 1000.0;
    std::printf("crawl_ms %lld cpu_ms %.0f entries %lld\n", t.elapsed(), cpu, index.entryCount());
    return 0;
}

long rssKb() {
    QFile f(QStringLiteral("/proc/self/statm"));
    f.open(QIODevice::ReadOnly);
    const auto parts = f.readAll().split(' ');
    return parts.size() > 1 ? parts[1].toLong() * (::sysconf(_SC_PAGESIZE) / 1024) : 0;
}

struct Timing {
    double first = -1, finished = -1;
    int results = 0;
    qint64 matched = 0;
};

// One query through the metadata query interface, as the panel runs it: times to the first batch and
// to the finish notification, both on the main thread.
Timing timeQuery(const std::shared_ptr<FileIndex>& index, const MetadataPredicate& predicate,
                 MetadataSort sort) {
    IndexMetadataQuery q(index);
    q.setPredicate(predicate);
    q.setSort(sort);
    q.setNotificationBatchingInterval(0.1);
    Timing out;
    QEventLoop loop;
    QElapsedTimer t;
    QObject::connect(&q, &MetadataQuery::gatheringProgress, [&] {
        if (out.first < 0) out.first = double(t.nsecsElapsed()) / 1e6;
    });
    QObject::connect(&q, &MetadataQuery::didFinishGathering, [&] {
        out.finished = double(t.nsecsElapsed()) / 1e6;
        if (out.first < 0) out.first = out.finished;
        out.results = q.resultCount();
        out.matched = q.matchedCount();
        loop.quit();
    });
    t.start();
    q.startQuery();
    loop.exec();
    return out;
}

Timing best(const std::shared_ptr<FileIndex>& index, const MetadataPredicate& p, MetadataSort sort,
            int runs = 7) {
    std::vector<Timing> all;
    for (int i = 0; i < runs; ++i)
        all.push_back(timeQuery(index, p, sort));
    std::sort(all.begin(), all.end(),
              [](const Timing& a, const Timing& b) { return a.finished < b.finished; });
    return all[all.size() / 2]; // median
}

int query(const QString& dir, const QString& snapshot) {
    const long before = rssKb();
    auto cpuMs = [] {
        timespec ts{};
        ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
        return double(ts.tv_sec) * 1e3 + double(ts.tv_nsec) / 1e6;
    };
    QElapsedTimer t;
    t.start();
    const double cpu0 = cpuMs();
    auto index = std::make_shared<FileIndex>(configFor(dir, snapshot));
    if (!index->loadSnapshot()) return 1;
    const double loadMs = double(t.nsecsElapsed()) / 1e6;
    line("index snapshot load (cpu)", cpuMs() - cpu0, "ms");
    const long after = rssKb();
    const auto entries = index->entryCount();
    line("index snapshot load", loadMs, "ms");
    line("index memory (rss)", double(after - before) * 1024.0 / double(entries), "bytes/entry");
    line("index memory (arrays)", double(index->status().memoryBytes) / double(entries), "bytes/entry");

    MetadataPredicate substring;
    substring.namePatterns = {QStringLiteral("*report*")};
    timeQuery(index, substring, MetadataSort::LastUsedDateDescending); // warm the worker
    const Timing s = best(index, substring, MetadataSort::LastUsedDateDescending);
    line("index query *report* first batch", s.first, "ms");
    line("index query *report* finished", s.finished, "ms");
    std::printf("report_finished_ms %.3f\n", s.finished);
    std::printf("# *report*: %lld matches, %d kept\n", s.matched, s.results);

    MetadataPredicate subsequence;
    subsequence.namePatterns = {QStringLiteral("*d*w*n*l*")};
    const Timing q = best(index, subsequence, MetadataSort::LastUsedDateDescending);
    line("index query *d*w*n*l* finished", q.finished, "ms");
    std::printf("# *d*w*n*l*: %lld matches\n", q.matched);

    MetadataPredicate kindDate;
    kindDate.contentTypes = {QStringLiteral("public.image")};
    kindDate.changedSince = QDateTime::currentDateTime().addDays(-7);
    const Timing k = best(index, kindDate, MetadataSort::ContentChangeDateDescending);
    line("index query img: week: finished", k.finished, "ms");
    std::printf("# img: week:: %lld matches\n", k.matched);

    // The same file mapped, as a one-shot process reads it: newest first, stopping once nothing
    // further can rank (a literal no name holds is read to the end).
    auto mapped = FileIndex::openShared(configFor(dir, snapshot));
    if (!mapped->isMapped()) return 1;
    MetadataPredicate absent;
    absent.namePatterns = {QStringLiteral("*dwnl*")};
    const std::pair<const char*, std::pair<MetadataPredicate, MetadataSort>> onMapped[] = {
        {"*report*", {substring, MetadataSort::LastUsedDateDescending}},
        {"*d*w*n*l*", {subsequence, MetadataSort::LastUsedDateDescending}},
        {"*dwnl* (no match)", {absent, MetadataSort::LastUsedDateDescending}},
        {"img: week:", {kindDate, MetadataSort::ContentChangeDateDescending}}};
    for (const auto& [name, query] : onMapped) {
        const Timing m = best(mapped, query.first, query.second);
        line(("index mapped query " + std::string(name) + " finished").c_str(), m.finished, "ms");
    }
    return 0;
}

// Milliseconds from creating a file in `folder` until a query finds it; `timeoutMs` when it is not found.
double createToFound(const std::shared_ptr<FileIndex>& index, const QString& folder, int probe,
                     int timeoutMs) {
    const QString name =
        QStringLiteral("zarvo-latency-probe-%1-%2").arg(QCoreApplication::applicationPid()).arg(probe);
    MetadataPredicate p;
    p.namePatterns = {QLatin1Char('*') + name + QLatin1Char('*')};
    QElapsedTimer clock;
    QFile f(folder + QLatin1Char('/') + name + QStringLiteral(".txt"));
    clock.start();
    f.open(QIODevice::WriteOnly);
    f.close();
    double found = timeoutMs;
    while (clock.elapsed() < timeoutMs) {
        if (timeQuery(index, p, MetadataSort::LastUsedDateDescending).results == 1) {
            found = double(clock.nsecsElapsed()) / 1e6;
            break;
        }
        // Past the first second the file waits for a re-listing: no need to spin for it.
        if (clock.elapsed() > 1000) QThread::msleep(20);
    }
    f.remove();
    return found;
}

// A folder some levels down, the first by name at each.
QString folderDown(QString folder) {
    for (int depth = 0; depth < 3; ++depth) {
        const auto subs = QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
        if (subs.isEmpty()) break;
        folder += QLatin1Char('/') + subs.first();
    }
    return folder;
}

void printLatencies(const char* name, std::vector<double> latencies) {
    std::printf("# %s in order:", name);
    for (const double l : latencies)
        std::printf(" %.3f", l);
    std::printf(" ms\n");
    std::sort(latencies.begin(), latencies.end());
    line((std::string(name) + " (median of " + std::to_string(latencies.size()) + ")").c_str(),
         latencies[latencies.size() / 2], "ms");
    line((std::string(name) + " (max of " + std::to_string(latencies.size()) + ")").c_str(), latencies.back(),
         "ms");
}

// With `watchLimit` >= 0 the system's limit is played short: most folders go without a watch, and the
// tree's Desktop (made for the run) must still be watched.
int live(const QString& dir, int watchLimit) {
    IndexConfig c;
    c.roots = {dir};
    c.watch = true;
    c.watchLimit = watchLimit;
    const QString desktop = dir + QStringLiteral("/Desktop");
    if (watchLimit >= 0) QDir().mkpath(desktop);
    auto index = std::make_shared<FileIndex>(c);
    QElapsedTimer t;
    t.start();
    index->start();
    index->waitIdle(-1);
    const auto status = index->status();
    std::printf("# live index ready (crawl + %d watches, %lld folders without one) in %.1f s\n",
                status.watches, qint64(status.unwatchedFolders), t.elapsed() / 1000.0);
    std::vector<double> latencies;
    if (watchLimit < 0) {
        const QString folder = folderDown(dir);
        for (int i = 0; i < 5; ++i)
            latencies.push_back(createToFound(index, folder, i, 5000));
        printLatencies("index create-to-found latency", latencies);
        return 0;
    }
    for (int i = 0; i < 5; ++i)
        latencies.push_back(createToFound(index, desktop, i, 5000));
    printLatencies("index create-to-found in Desktop, short watch limit", latencies);
    // Elsewhere: folders reached by a random walk, until three are found without a watch. One with a
    // watch answers within milliseconds and is passed over.
    latencies.clear();
    std::mt19937 random(7);
    for (int probe = 10; latencies.size() < 3 && probe < 60; ++probe) {
        QString folder = dir;
        const int depth = 2 + int(random() % 5);
        for (int d = 0; d < depth; ++d) {
            const auto subs = QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
            if (subs.isEmpty()) break;
            folder += QLatin1Char('/') + subs[qsizetype(random() % quint32(subs.size()))];
        }
        if (folder == desktop) continue;
        const double found = createToFound(index, folder, probe, 30000);
        if (found > 100) latencies.push_back(found);
    }
    if (!latencies.empty()) printLatencies("index create-to-found elsewhere, short watch limit", latencies);
    QDir(desktop).removeRecursively();
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.isEmpty()) {
        std::printf("# bench_index is driven by bench/bench_index.sh\n");
        return 0;
    }
    const QString cmd = args.value(0);
    if (cmd == QLatin1String("gen") && (args.size() == 2 || args.size() == 3)) {
        for (const auto& size : kSizes)
            if (args.value(2, QStringLiteral("1m")) == QLatin1String(size.name))
                return generate(args[1], size);
        std::fprintf(stderr, "bench_index gen: SIZE is 1m or 5m\n");
        return 2;
    }
    if (cmd == QLatin1String("crawl") && args.size() == 3) return crawl(args[1], args[2]);
    if (cmd == QLatin1String("query") && args.size() == 3) return query(args[1], args[2]);
    if (cmd == QLatin1String("live") && args.size() == 2) return live(args[1], -1);
    if (cmd == QLatin1String("live") && args.size() == 3) return live(args[1], args[2].toInt());
    std::fprintf(stderr, "usage: bench_index gen DIR [1m|5m] | crawl DIR SNAPSHOT | query DIR SNAPSHOT | "
                         "live DIR [WATCH_LIMIT]\n");
    return 2;
}
