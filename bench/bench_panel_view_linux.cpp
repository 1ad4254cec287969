// A keystroke of a non-file query to the rows painted: the search runs, the panel's view takes the
// rows and paints one frame, on the real Linux platform in a throw-away home (offscreen, so a busy
// display does not count), with several hundred desktop entries and a mimeapps.list as a desktop has
// them. The goal is one frame: 16 ms.
// usage: bench_panel_view_linux                           measure
//        bench_panel_view_linux desktop ROOT CONFIG_HOME  only write that desktop (for bench_panel.sh);
//                                                         prints the XDG_DATA_DIRS to use
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
#include "ui/Icons.h"
#include "ui/SearchView.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QPixmap>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

using namespace zarvo;

int main(int argc, char** argv) {
    if (argc == 4 && QByteArray(argv[1]) == "desktop") {
        bench::setUpRealisticDesktop(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
        std::printf("%s\n", qgetenv("XDG_DATA_DIRS").constData());
        return 0;
    }
    QTemporaryDir home, desktop;
    qputenv("HOME", home.path().toUtf8());
    qputenv("QT_QPA_PLATFORM", "offscreen");
    for (const char* var : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"})
        qunsetenv(var);
    bench::setUpRealisticDesktop(desktop.path(), home.path() + QStringLiteral("/.config"));
    QApplication app(argc, argv);
    ui::Icons::setUp();
    linux_::LinuxPlatform platform(QStringLiteral("com.velorin.zarvo.bench"));
    linux_::FileDefaultsStore defaults(
        linux_::FileDefaultsStore::defaultDirectory(*platform.platform().environment));
    platform.platform().defaults = &defaults;
    platform.install();
    ui::Icons::useWorkspace(platform.platform().workspace);
    // As the application does: the workspace keeps its application answers until the entries change.
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
        history.add(path);
    }
    SearchModel model(
        SearchModel::Services{platform.platform(), settings, history, favorites, nullptr, nullptr, nullptr});
    ui::SearchView view(
        ui::SearchView::Services{model, settings, favorites, nullptr, platform.platform().workspace});
    view.resize(720, 480);
    view.show();
    QPixmap frame(view.size() * 2);
    frame.setDevicePixelRatio(2);
    const int runs =
        qEnvironmentVariableIsSet("BENCH_RUNS") ? qEnvironmentVariableIntValue("BENCH_RUNS") : 100;
    for (const char* text : {"dl", "notes 1", "?"}) {
        std::vector<double> times;
        for (int run = 0; run < runs; ++run) {
            // Alternate with one letter less, so every run changes the rows as typing does.
            model.setQuery(QString::fromLatin1(text).left(run % 2 ? 1 : 100));
            model.pipeline().runSearch();
            view.render(&frame);
            QElapsedTimer timer;
            timer.start();
            model.setQuery(QString::fromLatin1(text));
            model.pipeline().runSearch(); // the view redraws from the published rows
            view.render(&frame);
            times.push_back(double(timer.nsecsElapsed()) / 1e6);
        }
        std::nth_element(times.begin(), times.begin() + long(times.size() / 2), times.end());
        std::printf("bench panel_keystroke_to_painted[%s]: %.2f ms (%zu rows, scale 2)\n", text,
                    times[times.size() / 2], size_t(model.results().size()));
    }
    return 0;
}
