// Path completion over a folder of 10,000 entries: the listing, a prefix and a fuzzy last component.
#include "platform/Environment.h"
#include "platform/Platform.h"
#include "sources/PathInput.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

using namespace zarvo;

namespace {

class BenchEnvironment : public Environment {
public:
    QString home;
    QString appIdentifier() const override { return QStringLiteral("com.velorin.zarvo.bench"); }
    std::optional<QString> variable(const QString& name) const override {
        if (name == QLatin1String("HOME")) return home;
        return std::nullopt;
    }
    QHash<QString, QString> variables() const override { return {{QStringLiteral("HOME"), home}}; }
    QString homePath() const override { return home; }
    QString tempPath() const override { return QDir::tempPath(); }
    QString dataHome() const override { return home + QStringLiteral("/.local/share"); }
    QString configHome() const override { return home + QStringLiteral("/.config"); }
    QString cacheHome() const override { return home + QStringLiteral("/.cache"); }
    QString userName() const override { return QStringLiteral("bench"); }
};

double threadCpuMs() {
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return double(ts.tv_sec) * 1e3 + double(ts.tv_nsec) / 1e6;
}

struct Figures {
    double wall = -1;      // median wall-clock milliseconds
    double cpu = -1;       // median CPU milliseconds of this thread (what a busy machine does not inflate)
    double firstWall = -1; // the first call (the warm-up)
    double firstCpu = -1;
};

// Medians of `runs` calls, after one warm-up call.
Figures measure(const Platform& platform, const QString& text, int runs) {
    QElapsedTimer first;
    first.start();
    const double firstCpuStart = threadCpuMs();
    if (PathInput::completions(platform, text, false).size() < 2) return {};
    const double firstCpu = threadCpuMs() - firstCpuStart;
    const double firstWall = double(first.nsecsElapsed()) / 1e6;
    std::vector<double> walls, cpus;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        const double cpuStart = threadCpuMs();
        const auto result = PathInput::completions(platform, text, false);
        cpus.push_back(threadCpuMs() - cpuStart);
        walls.push_back(double(timer.nsecsElapsed()) / 1e6);
        if (result.isEmpty()) return {};
    }
    std::sort(walls.begin(), walls.end());
    std::sort(cpus.begin(), cpus.end());
    return {walls[walls.size() / 2], cpus[cpus.size() / 2], firstWall, firstCpu};
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir root;
    BenchEnvironment environment;
    environment.home = root.path();
    Platform platform;
    platform.environment = &environment;
    Platform::setCurrent(platform);

    const QString folder = root.path() + QStringLiteral("/big");
    QDir().mkpath(folder);
    const char* stems[] = {"Invoice",   "report", "IMG_", "notes-", "Screenshot 2026-03-",
                           "build_log", "Draft ", "data"};
    for (int i = 0; i < 10000; ++i) {
        const QString name = QString::fromLatin1(stems[i % 8]) + QString::number(i) +
                             (i % 3 == 0 ? QStringLiteral(".pdf") : QStringLiteral(".txt"));
        QFile file(folder + u'/' + name);
        if (!file.open(QIODevice::WriteOnly)) {
            std::fprintf(stderr, "cannot create %s\n", qPrintable(file.fileName()));
            return 1;
        }
    }

    // A folder is kept listed while it does not change: the first call in it reads it.
    const Figures listing = measure(platform, QStringLiteral("~/big/"), 21);
    const Figures prefix = measure(platform, QStringLiteral("~/big/rep"), 21);
    const Figures fuzzy = measure(platform, QStringLiteral("~/big/scrnsht"), 21);
    std::printf("bench path_completion_10k: %.2f ms\n", listing.wall);
    std::printf("bench path_completion_10k_cpu: %.2f ms\n", listing.cpu);
    std::printf("bench path_completion_10k_first: %.2f ms\n", listing.firstWall);
    std::printf("bench path_completion_10k_first_cpu: %.2f ms\n", listing.firstCpu);
    std::printf("bench path_completion_10k_prefix: %.2f ms\n", prefix.wall);
    std::printf("bench path_completion_10k_prefix_cpu: %.2f ms\n", prefix.cpu);
    std::printf("bench path_completion_10k_fuzzy: %.2f ms\n", fuzzy.wall);
    std::printf("bench path_completion_10k_fuzzy_cpu: %.2f ms\n", fuzzy.cpu);
    return listing.wall < 0 || prefix.wall < 0 || fuzzy.wall < 0 ? 1 : 0;
}
