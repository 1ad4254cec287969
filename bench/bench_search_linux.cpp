// The search pipeline for non-file queries: runSearch over 300 history entries, 20 favourites and
// 20 custom keywords, on the real Linux platform in a throw-away home with several hundred desktop
// entries and a mimeapps.list.
#include "lib/RealisticDesktop.h"
#include "platform/linux/DesktopEntries.h"
#include "platform/linux/FileDefaultsStore.h"
#include "platform/linux/LinuxPlatform.h"
#include "platform/linux/LinuxWorkspace.h"
#include "search/QueryPipeline.h"
#include "search/SearchModel.h"
#include "store/Favorites.h"
#include "store/History.h"
#include "store/Settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QUuid>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

using namespace zarvo;

namespace {
// CPU time of this thread: what a loaded machine does not inflate.
double threadCpuMs() {
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return double(ts.tv_sec) * 1e3 + double(ts.tv_nsec) / 1e6;
}
} // namespace

int main(int argc, char** argv) {
    QTemporaryDir home, desktop;
    qputenv("HOME", home.path().toUtf8());
    for (const char* var : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"})
        qunsetenv(var);
    bench::setUpRealisticDesktop(desktop.path(), home.path() + QStringLiteral("/.config"));
    QCoreApplication app(argc, argv);
    linux_::LinuxPlatform platform(QStringLiteral("com.velorin.zarvo.bench"));
    linux_::FileDefaultsStore defaults(
        linux_::FileDefaultsStore::defaultDirectory(*platform.platform().environment));
    platform.platform().defaults = &defaults;
    platform.install();
    linux_::DesktopEntrySource entries(
        linux_::DesktopEntrySource::fromEnvironment(*platform.platform().environment));
    entries.startWatching();
    platform.workspace().followChanges(entries);

    Settings& settings = Settings::shared();
    History& history = History::shared();
    Favorites& favorites = Favorites::shared();
    for (const char* dir : {"Desktop", "Documents", "Downloads"})
        QDir(home.path()).mkpath(QString::fromLatin1(dir));
    for (int i = 0; i < 300; ++i) {
        const QString path =
            home.path() + QStringLiteral("/Documents/project-%1/notes %2.txt").arg(i % 37).arg(i);
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        (void)file.open(QIODevice::WriteOnly);
        history.add(i % 10 == 0 ? QStringLiteral("run:make target%1").arg(i) : path);
    }
    for (int i = 0; i < 20; ++i)
        favorites.toggle(home.path() + QStringLiteral("/Documents/project-%1").arg(i));
    QList<CustomShortcut> custom;
    for (int i = 0; i < 20; ++i)
        custom << CustomShortcut{QUuid::createUuid(), QStringLiteral("proj%1").arg(i),
                                 home.path() + QStringLiteral("/Documents/project-%1").arg(i)};
    settings.setCustomShortcuts(custom);

    SearchModel model(
        SearchModel::Services{platform.platform(), settings, history, favorites, nullptr, nullptr, nullptr});
    for (const char* text : {"dl", "notes 12", "proj", ""}) {
        model.setQuery(QString::fromLatin1(text));
        std::vector<double> times, cpu;
        for (int run = 0;
             run <
             (qEnvironmentVariableIsSet("BENCH_RUNS") ? qEnvironmentVariableIntValue("BENCH_RUNS") : 200);
             ++run) {
            QElapsedTimer timer;
            const double cpuStart = threadCpuMs();
            timer.start();
            model.pipeline().runSearch();
            times.push_back(double(timer.nsecsElapsed()) / 1e6);
            cpu.push_back(threadCpuMs() - cpuStart);
        }
        std::nth_element(times.begin(), times.begin() + long(times.size() / 2), times.end());
        std::nth_element(cpu.begin(), cpu.begin() + long(cpu.size() / 2), cpu.end());
        const QByteArray name = *text ? QByteArray(text).replace(' ', '_') : QByteArray("empty");
        std::printf("bench run_search_%s: %.3f ms (median wall, %lld rows)\n", name.constData(),
                    times[times.size() / 2], qint64(model.results().size()));
        std::printf("bench run_search_%s_cpu: %.3f ms (median thread CPU)\n", name.constData(),
                    cpu[cpu.size() / 2]);
    }
    return 0;
}
