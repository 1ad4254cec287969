// Installed applications: 2,000 desktop entries (localized names, generic names, keywords, icons, some
// hidden or for another desktop), read by the real desktop-entry source into the catalogue. Figures: the
// scan, the catalogue's memory, and the time from running a search to the first published results that
// hold the application rows, through the search model as the panel drives it.
// usage: bench_apps_linux                 generate in a throw-away home and measure
//        bench_apps_linux gen DATA_HOME   only write the entries (DATA_HOME/applications, programs in
//                                         DATA_HOME/bin, which must lead PATH)
//        bench_apps_linux measure DATA_HOME
#include "files/AppCatalog.h"
#include "files/IndexMetadataQuery.h"
#include "platform/linux/DesktopEntries.h"
#include "platform/linux/FileDefaultsStore.h"
#include "platform/linux/LinuxPlatform.h"
#include "search/QueryPipeline.h"
#include "search/SearchModel.h"
#include "store/Favorites.h"
#include "store/History.h"
#include "store/Settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

using namespace zarvo;

namespace {

constexpr int kEntries = 2000;

long rssKb() {
    QFile f(QStringLiteral("/proc/self/statm"));
    if (!f.open(QIODevice::ReadOnly)) return 0;
    const auto parts = f.readAll().split(' ');
    return parts.size() > 1 ? parts[1].toLong() * (::sysconf(_SC_PAGESIZE) / 1024) : 0;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? -1 : v[v.size() / 2];
}

// Real-world shapes: a vendor id, a name with translations, a generic name, keywords, an icon, an Exec
// with field codes; one in 20 hidden and one in 25 only for another desktop (as a distribution ships).
bool generate(const QString& dataHome) {
    static const char* const words[] = {"Photo", "Music", "Terminal", "Office", "Mail",   "Chat",
                                        "Video", "Paint", "Notes",    "Maps",   "Backup", "Calendar"};
    static const char* const generics[] = {"Image Viewer",   "Audio Player", "Terminal Emulator",
                                           "Word Processor", "Email Client", "Instant Messenger"};
    const QString folder = dataHome + QStringLiteral("/applications");
    const QString programs = dataHome + QStringLiteral("/bin"); // menus leave out entries without a program
    if (!QDir().mkpath(folder) || !QDir().mkpath(programs)) return false;
    for (int i = 0; i < kEntries; ++i) {
        const QString word = QString::fromLatin1(words[i % 12]);
        const QString name = QStringLiteral("%1 Studio %2").arg(word).arg(i);
        QString text = QStringLiteral("[Desktop Entry]\nType=Application\nName=%1\nName[de]=%1 Werkstatt\n"
                                      "Name[fr]=Atelier %1\nGenericName=%2\nGenericName[de]=%2 (de)\n"
                                      "Comment=Does %3 things well\nKeywords=%3;tool%4;studio;\n"
                                      "Exec=%5-studio-%4 %U\nIcon=%5-studio\nCategories=Utility;\n")
                           .arg(name, QString::fromLatin1(generics[i % 6]), word.toLower())
                           .arg(i)
                           .arg(word.toLower());
        if (i % 20 == 7) text += QStringLiteral("NoDisplay=true\n");
        if (i % 25 == 3) text += QStringLiteral("OnlyShowIn=KDE;\n");
        text += QStringLiteral("\n[Desktop Action new-window]\nName=New Window\nExec=%1-studio-%2 --new\n")
                    .arg(word.toLower())
                    .arg(i);
        const QString program = programs + QStringLiteral("/%1-studio-%2").arg(word.toLower()).arg(i);
        if (!QFileInfo::exists(program) && !QFile::link(QStringLiteral("/bin/true"), program)) return false;
        QFile file(folder + QStringLiteral("/org.example.%1Studio%2.desktop").arg(word).arg(i));
        if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0) return false;
    }
    return true;
}

int measure(const Platform& platform, const QString& dataHome) {
    qputenv("PATH", (dataHome + QStringLiteral("/bin:")).toUtf8() + qgetenv("PATH"));
    linux_::DesktopEntrySource::Options options;
    options.dataHome = dataHome;
    options.desktops = {QStringLiteral("GNOME")};

    // The scan as the catalogue runs it, cold parse every time (best of 5; the files are cached).
    std::vector<double> scans;
    int listed = 0;
    for (int run = 0; run < 5; ++run) {
        linux_::DesktopEntrySource source(options);
        QElapsedTimer t;
        t.start();
        listed = int(source.scan().size());
        scans.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    std::printf("# %d desktop entries, %d listed\n", kEntries, listed);
    std::printf("bench apps_scan_2000_entries: %.2f ms\n", *std::min_element(scans.begin(), scans.end()));

    linux_::DesktopEntrySource source(options);
    const long before = rssKb();
    AppCatalog catalog(&source);
    catalog.reload();
    const long after = rssKb();
    std::printf("bench apps_catalogue_memory: %.1f KB (table; %ld KB resident growth)\n",
                double(catalog.memoryBytes()) / 1024.0, after - before);

    // The search model over an empty file index: what the application rows cost a keystroke.
    QTemporaryDir emptyRoot;
    index::IndexConfig config;
    config.roots = {emptyRoot.path()};
    config.watch = false;
    auto fileIndex = std::make_shared<index::FileIndex>(config);
    fileIndex->start();
    fileIndex->waitIdle(-1);
    IndexMetadataQueryFactory factory(fileIndex, &catalog);
    SearchModel model(SearchModel::Services{platform, Settings::shared(), History::shared(),
                                            Favorites::shared(), nullptr, &factory, nullptr, &catalog});
    const auto appRows = [&] {
        int n = 0;
        for (const ResultItem& item : model.results())
            if (item.url.isLocalFile() && catalog.contains(item.url.toLocalFile())) ++n;
        return n;
    };
    for (const char* text : {"photo", "term", "image viewer", "tool1234"}) {
        std::vector<double> times;
        int rows = 0;
        for (int run = 0; run < 50; ++run) {
            model.setQuery(QString());
            model.pipeline().runSearch();
            model.setQuery(QString::fromLatin1(text));
            QEventLoop loop;
            QElapsedTimer t;
            double found = -1;
            const auto connection = QObject::connect(&model, &SearchModel::changed, [&] {
                if (found < 0 && appRows() > 0) {
                    found = double(t.nsecsElapsed()) / 1e6;
                    rows = appRows();
                    loop.quit();
                }
            });
            QTimer::singleShot(2000, &loop, &QEventLoop::quit);
            t.start();
            model.pipeline().runSearch(); // the debounce has passed: this is the search a keystroke starts
            if (found < 0) loop.exec();
            QObject::disconnect(connection);
            if (found < 0) {
                std::printf("bench apps: no application row for \"%s\"\n", text);
                return 1;
            }
            times.push_back(found);
        }
        QByteArray name = QByteArray(text).replace(' ', '_');
        std::printf("bench apps_first_rows_%s: %.3f ms (median, %d application rows)\n", name.constData(),
                    median(times), rows);
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const QString mode = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (mode == QLatin1String("gen") && argc > 2) return generate(QString::fromLocal8Bit(argv[2])) ? 0 : 1;

    // Whatever else runs, nothing of the real home is read or written.
    QTemporaryDir home;
    qputenv("HOME", home.path().toUtf8());
    for (const char* var : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"})
        qunsetenv(var);
    QCoreApplication app(argc, argv);
    linux_::LinuxPlatform platform(QStringLiteral("com.velorin.zarvo.bench"));
    linux_::FileDefaultsStore defaults(
        linux_::FileDefaultsStore::defaultDirectory(*platform.platform().environment));
    platform.platform().defaults = &defaults;
    platform.install();

    if (mode == QLatin1String("measure") && argc > 2)
        return measure(platform.platform(), QString::fromLocal8Bit(argv[2]));
    const QString dataHome = home.path() + QStringLiteral("/entries");
    if (!generate(dataHome)) {
        std::printf("bench apps: could not write the entries\n");
        return 1;
    }
    return measure(platform.platform(), dataHome);
}
