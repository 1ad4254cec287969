// Fuzzy name scoring throughput on one core over a million generated file paths, and the time to
// filter the whole list with one query, next to `fzf --filter` over the same list.
//
// Prints:
//   bench fuzzy_wordscore: N scores/s        (Fuzzy::wordScore calls per CPU second, names only)
//   bench fuzzy_filter_1M: X ms              (CPU time of Fuzzy::score of one query over every name)
//   ratio R vs fzf                           (our CPU time / fzf's, all its threads; below 1: we are cheaper)
// Times are CPU times, so a busy machine does not distort them; wall times go to stderr. fzf matches
// whole paths over all its threads; we score the last component on one thread, as the search
// pipeline does.

#include "search/Fuzzy.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryDir>
#include <cstdio>
#include <ctime>
#include <random>
#include <sys/resource.h>

using namespace zarvo;

namespace {

QStringList generatePaths(int count) {
    std::mt19937 rng(20260314);
    auto pick = [&](const auto& list) { return list[rng() % std::size(list)]; };
    static const char* const roots[] = {"/home/alex",           "/home/alex/Documents", "/home/alex/Projects",
                                        "/home/alex/Downloads", "/home/alex/Pictures",  "/srv/share",
                                        "/home/alex/.config",   "/home/alex/Music"};
    static const char* const dirs[] = {
        "src",        "include",    "Reports",  "2024",      "archive",     "Q3 Budget", "photos", "build",
        "docs",       "tests",      "Invoices", "Übersicht", "clients",     "Drafts",    "assets", "vendor",
        "café notes", "backup-old", "lib",      "Meetings",  "Release 1.2", "data",      "résumé", "work"};
    static const char* const words[] = {
        "report", "Invoice", "meeting", "notes", "budget",  "Summary",    "draft",  "final",       "main",
        "config", "README",  "index",   "photo", "IMG",     "Screenshot", "backup", "SearchModel", "fooBar",
        "client", "test",    "data",    "plan",  "release", "changelog",  "todo",   "Projekt"};
    // About one name in twenty starts with a non-ASCII word, as in a European user's home folder.
    static const char* const foreign[] = {"résumé", "naïve", "日本語", "Übung", "Größe", "façade"};
    static const char* const exts[] = {".pdf",  ".txt",  ".md", ".cpp", ".h",   ".jpg", ".png",   ".docx",
                                       ".xlsx", ".json", ".py", ".rs",  ".mp3", ".zip", ".swift", ""};
    static const char* const seps[] = {"_", "-", " ", "", "."};
    QStringList out;
    out.reserve(count);
    for (int i = 0; i < count; ++i) {
        QString path = QString::fromUtf8(pick(roots));
        const int depth = int(rng() % 4);
        for (int d = 0; d < depth; ++d)
            path += QLatin1Char('/') + QString::fromUtf8(pick(dirs));
        QString name = QString::fromUtf8(rng() % 20 == 0 ? pick(foreign) : pick(words));
        const int parts = int(rng() % 3);
        for (int p = 0; p < parts; ++p)
            name += QString::fromUtf8(pick(seps)) + QString::fromUtf8(pick(words));
        if (rng() % 2) name += QString::fromUtf8(pick(seps)) + QString::number(rng() % 10000);
        name += QString::fromUtf8(pick(exts));
        path += QLatin1Char('/') + name;
        out << path;
    }
    return out;
}

// CPU time of this thread: the machine may be shared, and the figure is per core.
double threadCpuSeconds() {
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return double(ts.tv_sec) + double(ts.tv_nsec) / 1e9;
}

double childrenCpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

QString lastComponent(const QString& path) {
    return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
}

} // namespace

int main() {
    constexpr int kPaths = 1000000;
    const QStringList paths = generatePaths(kPaths);
    QStringList names;
    names.reserve(kPaths);
    for (const QString& p : paths)
        names << lastComponent(p);

    // Throughput of single-word scores over a mix of typical typed words.
    const QStringList queryWords = {"rep", "inv", "sm", "notes", "img2", "cfg", "rés", "xq"};
    long long calls = 0, matched = 0;
    QElapsedTimer timer;
    timer.start();
    double cpu = threadCpuSeconds();
    for (const QString& word : queryWords) {
        for (const QString& name : names) {
            if (Fuzzy::wordScore(word, name)) ++matched;
            ++calls;
        }
    }
    const double wordSeconds = threadCpuSeconds() - cpu;
    std::fprintf(stderr, "# word scores: %.2f s CPU, %.2f s wall\n", wordSeconds,
                 double(timer.nsecsElapsed()) / 1e9);
    std::printf("bench fuzzy_wordscore: %.0f scores/s\n", double(calls) / wordSeconds);

    // One query over the whole list, as a filter.
    const QString query = QStringLiteral("rep fin");
    long long hits = 0;
    timer.restart();
    for (const QString& name : names)
        if (Fuzzy::score(query, name)) ++hits;
    const double oursMs = double(timer.nsecsElapsed()) / 1e6;
    std::printf("bench fuzzy_filter_1M: %.1f ms\n", oursMs);
    std::fprintf(stderr, "# %lld of %lld word scores matched; %lld names match \"%s\"\n", matched, calls,
                 hits, qPrintable(query));

    const QString fzf = QStandardPaths::findExecutable(QStringLiteral("fzf"));
    if (fzf.isEmpty()) {
        std::fprintf(stderr, "# fzf not installed: no comparison\n");
        return 0;
    }
    QTemporaryDir tmp;
    const QString listPath = tmp.path() + QStringLiteral("/paths.txt");
    {
        QFile list(listPath);
        if (!list.open(QIODevice::WriteOnly)) {
            std::fprintf(stderr, "# cannot write %s\n", qPrintable(listPath));
            return 1;
        }
        list.write(paths.join(QLatin1Char('\n')).toUtf8());
        list.write("\n");
    }
    QProcess process;
    process.setStandardInputFile(listPath);
    process.setStandardOutputFile(QProcess::nullDevice());
    timer.restart();
    const double childCpu = childrenCpuSeconds();
    process.start(fzf, {QStringLiteral("--filter"), query});
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit) {
        std::fprintf(stderr, "# fzf failed: %s\n", qPrintable(process.errorString()));
        return 1;
    }
    const double fzfWallMs = double(timer.nsecsElapsed()) / 1e6;
    const double fzfMs = (childrenCpuSeconds() - childCpu) * 1000;
    std::fprintf(stderr, "# fzf --filter: %.1f ms CPU (all its threads), %.1f ms wall\n", fzfMs, fzfWallMs);
    std::printf("ratio %.2f vs fzf\n", oursMs / fzfMs);
    return 0;
}
