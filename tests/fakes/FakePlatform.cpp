#include "fakes/FakePlatform.h"
#include "fakes/Files.h"

#include <algorithm>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTimer>

namespace zarvo::fakes {

QList<QString> FakeWorkspace::applicationsToOpen(const QUrl& url) const {
    if (url.isLocalFile()) return handlers.value("file:" + QFileInfo(url.toLocalFile()).suffix().toLower());
    return handlers.value(url.scheme().toLower());
}

QList<QString> FakeWorkspace::installedApplications() const {
    QList<QString> locations = applications.values();
    std::sort(locations.begin(), locations.end());
    locations.erase(std::unique(locations.begin(), locations.end()), locations.end());
    return locations;
}

bool FakeWorkspace::openURL(const QUrl& url) {
    opened << url;
    return true;
}

void FakeWorkspace::later(const Completion& done, const std::optional<QString>& error) {
    QTimer::singleShot(0, this, [done, error] {
        if (done) done(error);
    });
}

void FakeWorkspace::openURLWithApplication(const QUrl& url, const QString& appLocation, Completion done) {
    openedWith << qMakePair(url, appLocation);
    later(done);
}

void FakeWorkspace::openTerminalScript(const QString& scriptPath, const std::optional<QString>& terminal,
                                       Completion done) {
    terminalScripts << scriptPath;
    terminalsUsed << terminal.value_or(QString());
    later(done, terminalError);
}

void FakeWorkspace::recycle(const QUrl& file, Completion done) {
    if (!recycleError) {
        // Behave like a trash: the file leaves its folder.
        const QString path = file.toLocalFile();
        QFileInfo info(path);
        if (info.isDir() && !info.isSymLink())
            QDir(path).removeRecursively();
        else
            QFile::remove(path);
    }
    later(done, recycleError);
}

std::optional<QString> FakeWorkspace::unmountAndEject(const QString& volumePath) {
    if (auto it = ejectErrors.constFind(volumePath); it != ejectErrors.constEnd()) return *it;
    volumes.removeAll(volumePath);
    return std::nullopt;
}

QString FakeWorkspace::platformPath(const QString& tablePath) const {
    if (tablePath == QLatin1String("~")) return home;
    return tablePath.startsWith(QLatin1String("~/")) ? home + tablePath.mid(1) : tablePath;
}

void FakeWorkspace::activate(const AppInfo& app) {
    front = app;
    emit applicationActivated(app);
}

QStringList FakePasteboard::types() const {
    QStringList out;
    for (const auto& item : contents)
        for (const auto& t : item.types())
            if (!out.contains(t)) out << t;
    return out;
}

std::optional<QString> FakePasteboard::string(const QString& type) const {
    for (const auto& item : contents)
        if (auto s = item.string(type)) return s;
    return std::nullopt;
}

QList<QUrl> FakePasteboard::fileURLs() const {
    QList<QUrl> out;
    for (const auto& item : contents) {
        if (auto s = item.string(PasteboardType::fileURL)) {
            QUrl url(*s);
            if (url.isLocalFile()) out << url;
        }
    }
    return out;
}

void FakePasteboard::clearContents() {
    contents.clear();
    ++count;
}

void FakePasteboard::setString(const QString& text, const QStringList& markerTypes) {
    ++writes;
    if (contents.isEmpty()) contents.append(PasteboardItem{});
    for (const auto& marker : markerTypes)
        contents.first().setData(marker, {});
    contents.first().setString(PasteboardType::plainText, text);
}

void FakePasteboard::writeItems(const QList<PasteboardItem>& items) {
    ++writes;
    contents.append(items);
}

void FakePasteboard::writeFileURLs(const QList<QUrl>& files) {
    ++writes;
    for (const auto& url : files) {
        PasteboardItem item;
        item.setString(PasteboardType::fileURL, url.toString(QUrl::FullyEncoded));
        item.setString(PasteboardType::plainText, url.toLocalFile());
        contents.append(item);
    }
}

void FakePasteboard::copyFromElsewhere(const QList<PasteboardItem>& items) {
    contents = items;
    ++count;
}

void FakePasteboard::copyTextFromElsewhere(const QString& text) {
    PasteboardItem item;
    item.setString(PasteboardType::plainText, text);
    copyFromElsewhere({item});
}

bool FakeProcesses::startDetached(const QString& program, const QStringList& arguments,
                                  const QString& workingDirectory) {
    calls << Call{program, arguments, workingDirectory, true};
    return true;
}

void FakeProcesses::run(const QString& program, const QStringList& arguments,
                        std::function<void(Result)> done, const QString& workingDirectory) {
    calls << Call{program, arguments, workingDirectory, false};
    Result result = nextResult;
    if (runForReal) {
        QProcess process;
        if (!workingDirectory.isEmpty()) process.setWorkingDirectory(workingDirectory);
        process.start(program, arguments);
        if (!process.waitForStarted(10000)) {
            result = Result{-1, {}, {}, process.errorString()};
        } else {
            process.waitForFinished(60000);
            result = Result{
                process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError(),
                process.exitStatus() == QProcess::NormalExit ? std::nullopt
                                                             : std::optional<QString>(process.errorString())};
        }
    }
    QTimer::singleShot(0, [done, result] {
        if (done) done(result);
    });
}

bool FakeHotKeys::registerHotKey(int slot, quint32 keyCode, quint32 modifiers) {
    if (taken.contains(qMakePair(keyCode, modifiers))) return false;
    registered.insert(slot, qMakePair(keyCode, modifiers));
    return true;
}

std::optional<QString> FakeDesktopShortcuts::bind(quint32 keyCode, quint32 modifiers,
                                                  const QString& command) {
    bound << QStringLiteral("%1 %2 %3").arg(keyCode).arg(modifiers).arg(command);
    // From now on the desktop runs us on that key, as a real desktop would.
    holders.insert(qMakePair(keyCode, modifiers), Holder{name, false, true});
    return std::nullopt;
}

FakePlatform::FakePlatform() : m_previous(Platform::current()) {
    const QString base = root.path();
    environment.home = base + QStringLiteral("/home");
    environment.temp = base + QStringLiteral("/tmp");
    environment.data = environment.home + QStringLiteral("/.local/share");
    environment.config = environment.home + QStringLiteral("/.config");
    environment.cache = environment.home + QStringLiteral("/.cache");
    environment.vars.insert(QStringLiteral("HOME"), environment.home);
    environment.vars.insert(QStringLiteral("USER"), environment.userName());
    environment.vars.insert(QStringLiteral("TMPDIR"), environment.temp);
    for (const char* dir : {"Desktop", "Documents", "Downloads", "Pictures", "Music", "Movies", "Videos"})
        QDir().mkpath(environment.home + QLatin1Char('/') + QLatin1String(dir));
    for (const QString& dir : {environment.temp, environment.data, environment.config, environment.cache})
        QDir().mkpath(dir);
    workspace.home = environment.home;
    install();
}

FakePlatform::~FakePlatform() {
    Platform::setCurrent(m_previous);
}

void FakePlatform::install() {
    platform.workspace = &workspace;
    platform.pasteboard = &pasteboard;
    platform.defaults = &defaults;
    platform.environment = &environment;
    platform.clock = &clock;
    platform.processes = &processes;
    platform.metadata = metadata;
    platform.session = &session;
    platform.hotKeys = &hotKeys;
    platform.keySynth = &keySynth;
    platform.loginItems = &loginItems;
    platform.images = &images;
    platform.desktopShortcuts = &desktopShortcuts;
    platform.notifications = &notifications;
    Platform::setCurrent(platform);
}

QString FakePlatform::makeFile(const QString& relative, const QByteArray& contents) const {
    const QString path = environment.home + QLatin1Char('/') + relative;
    testing::writeFile(path, contents);
    return path;
}

QString FakePlatform::makeDir(const QString& relative) const {
    const QString path = environment.home + QLatin1Char('/') + relative;
    QDir().mkpath(path);
    return path;
}

} // namespace zarvo::fakes
