#pragma once

// An in-memory desktop for unit tests, steered through public fields; never the real clipboard or home.

#include "platform/Clock.h"
#include "platform/DesktopShortcuts.h"
#include "platform/Environment.h"
#include "platform/HotKeys.h"
#include "platform/MetadataQuery.h"
#include "platform/Pasteboard.h"
#include "platform/Platform.h"
#include "platform/Processes.h"
#include "platform/Session.h"
#include "platform/UserDefaultsStore.h"
#include "platform/Workspace.h"
#include "platform/qt/QtImageCodec.h"

#include <QFileInfo>
#include <QHash>
#include <QMap>
#include <QSet>
#include <QTemporaryDir>
#include <memory>

namespace zarvo::fakes {

inline constexpr const char* kTestIdentifier = "com.velorin.zarvo.tests";

// The value at `key`; none when the map has none.
template <class Map, class Key> auto valueAt(const Map& map, const Key& key) {
    return map.contains(key) ? std::optional(map.value(key)) : std::nullopt;
}

class FakeClock : public Clock {
public:
    QDateTime current = QDateTime(QDate(2026, 3, 14), QTime(15, 9, 26), Qt::UTC);
    QDateTime now() const override { return current; }
    void advance(double seconds) { current = current.addMSecs(qint64(seconds * 1000)); }
};

class FakeEnvironment : public Environment {
public:
    QString identifier = kTestIdentifier;
    QHash<QString, QString> vars;
    QString home, temp, data, config, cache;

    QString appIdentifier() const override { return identifier; }
    std::optional<QString> variable(const QString& name) const override { return valueAt(vars, name); }
    QHash<QString, QString> variables() const override { return vars; }
    QString homePath() const override { return home; }
    QString tempPath() const override { return temp; }
    QString dataHome() const override { return data; }
    QString configHome() const override { return config; }
    QString cacheHome() const override { return cache; }
    QString userName() const override { return QStringLiteral("tester"); }
};

class FakeDefaultsStore : public UserDefaultsStore {
public:
    QMap<QString, QVariantMap> domains;
    int saves = 0;
    QVariantMap load(const QString& domain) override { return domains.value(domain); }
    bool save(const QString& domain, const QVariantMap& values) override {
        ++saves;
        domains[domain] = values;
        return true;
    }
};

class FakeWorkspace : public Workspace {
    Q_OBJECT
public:
    // Installed applications: identifier → location; location → display name.
    QHash<QString, QString> applications;
    QHash<QString, QString> applicationNames;
    // What terminalApplications() answers: locations.
    QStringList terminals;
    // Location → the identity lists are kept in (a desktop-file id); without one, the identifier.
    QHash<QString, QString> identities;
    // URL scheme (or "file:" + suffix) → handler locations, the first is the default.
    QHash<QString, QStringList> handlers;
    // Paths the desktop would run code for (as its content type or handler says).
    QSet<QString> runsCode;
    QStringList volumes;
    QHash<QString, QString> ejectErrors;
    std::optional<AppInfo> front;
    std::optional<QString> recycleError;
    std::optional<QString> terminalError;

    // What was asked of it, in order.
    QList<QUrl> opened;
    QList<QPair<QUrl, QString>> openedWith;
    QStringList terminalScripts;
    QList<QList<QUrl>> revealed;

    std::optional<QString> urlForApplication(const QString& id) const override {
        return valueAt(applications, id);
    }
    std::optional<QString> applicationToOpen(const QUrl& url) const override {
        return applicationsToOpen(url).isEmpty() ? std::nullopt
                                                 : std::optional(applicationsToOpen(url).first());
    }
    QList<QString> applicationsToOpen(const QUrl& url) const override;
    QList<QString> installedApplications() const override;
    QList<QString> terminalApplications() const override { return terminals; }
    // Paths the views asked to have thumbnails made of, and where to give their answers.
    QStringList thumbnailRequests;
    std::function<void(const QStringList&)> thumbnailsReady;
    void requestThumbnails(const QStringList& paths, std::function<void(const QStringList&)> ready) override {
        thumbnailRequests << paths;
        thumbnailsReady = std::move(ready);
    }
    QString applicationName(const QString& location) const override {
        return applicationNames.value(location, QFileInfo(location).completeBaseName());
    }
    std::optional<QString> applicationIdentifier(const QString& location) const override {
        return applications.key(location).isNull() ? std::nullopt : std::optional(applications.key(location));
    }
    std::optional<QString> applicationIdentity(const QString& location) const override {
        return identities.contains(location) ? identities.value(location) : applicationIdentifier(location);
    }
    bool openURL(const QUrl& url) override;
    void openURLWithApplication(const QUrl& url, const QString& appLocation, Completion done) override;
    void openTerminalScript(const QString& scriptPath, const std::optional<QString>& terminal,
                            Completion done) override;
    // The terminal each script was handed to (empty: the desktop's own).
    QStringList terminalsUsed;
    void openApplication(const QString&, const QStringList&, Completion done) override { later(done); }
    void revealInFileManager(const QList<QUrl>& files) override { revealed << files; }
    void showInfo(const QUrl&) override {}
    void recycle(const QUrl& file, Completion done) override;
    QString iconNameForFile(const QString& path) const override {
        return QFileInfo(path).isDir() ? QStringLiteral("folder") : QStringLiteral("text-x-generic");
    }
    bool isFilePackage(const QString& path) const override {
        return path.endsWith(QLatin1String(".app")) && QFileInfo(path).isDir();
    }
    bool wouldRunCode(const QString& path) const override { return runsCode.contains(path); }
    QStringList ejectableVolumes() const override { return volumes; }
    std::optional<QString> unmountAndEject(const QString& volumePath) override;
    std::optional<AppInfo> frontmostApplication() const override { return front; }
    QString platformPath(const QString& tablePath) const override;

    // Makes `app` the front application and delivers the activation notice.
    void activate(const AppInfo& app);
    QString home; // for platformPath

private:
    // Answers on a later turn of the event loop, as the desktop does.
    void later(const Completion& done, const std::optional<QString>& error = std::nullopt);
};

class FakePasteboard : public Pasteboard {
public:
    QList<PasteboardItem> contents;
    qint64 count = 0;
    int writes = 0;
    // The primary selection, where it was offered.
    std::optional<QString> selection;

    qint64 changeCount() const override { return count; }
    QStringList types() const override;
    QList<PasteboardItem> items() const override { return contents; }
    std::optional<QString> string(const QString& type) const override;
    QList<QUrl> fileURLs() const override;
    void clearContents() override;
    void setString(const QString& text, const QStringList& markerTypes = {}) override;
    void writeItems(const QList<PasteboardItem>& items) override;
    void writeFileURLs(const QList<QUrl>& files) override;
    void setSelectionText(const QString& text) override { selection = text; }

    // Simulates a copy made by another application.
    void copyFromElsewhere(const QList<PasteboardItem>& items);
    void copyTextFromElsewhere(const QString& text);
};

class FakeProcesses : public Processes {
public:
    struct Call {
        QString program;
        QStringList arguments;
        QString workingDirectory;
        bool detached = false;
    };
    QList<Call> calls;
    Result nextResult{0, {}, {}, std::nullopt};
    // When set, run() hands over to the real program (for archive tools in file-operation tests).
    bool runForReal = false;

    bool startDetached(const QString& program, const QStringList& arguments,
                       const QString& workingDirectory = {}) override;
    void run(const QString& program, const QStringList& arguments, std::function<void(Result)> done,
             const QString& workingDirectory = {}) override;
};

class FakeSession : public Session {
public:
    // What was asked, in order: "lock", "restart" (through the session manager), "system restart" …
    QStringList performed;
    // The answer of the lock and of the session manager; answered at once.
    std::optional<QString> lockFailure, endFailure;
    bool sessionManager = true;
    std::optional<QString> act(const char* name) {
        performed << QString::fromLatin1(name);
        return std::nullopt;
    }
    static const char* name(Ending ending) {
        return ending == Ending::restart ? "restart" : ending == Ending::shutDown ? "shutdown" : "logout";
    }
    void lockScreen(Completion done) override {
        act("lock");
        if (done) done(lockFailure);
    }
    std::optional<QString> sleep() override { return act("sleep"); }
    std::optional<QString> displaySleep() override { return act("displaySleep"); }
    std::optional<QString> startScreenSaver() override { return act("screensaver"); }
    bool hasSessionManager() override { return sessionManager; }
    void endSession(Ending ending, Completion done) override {
        act(name(ending));
        if (done) done(endFailure);
    }
    void endSystem(Ending ending, Completion done) override {
        performed << QStringLiteral("system ") + QString::fromLatin1(name(ending));
        if (done) done(std::nullopt);
    }
    std::optional<QString> emptyTrash() override { return act("emptyTrash"); }
};

class FakeHotKeys : public HotKeys {
    Q_OBJECT
public:
    QHash<int, QPair<quint32, quint32>> registered;
    QSet<QPair<quint32, quint32>> taken;
    // As on Linux: the system-wide command modifier is Super.
    bool superCommand = false;
    bool registerHotKey(int slot, quint32 keyCode, quint32 modifiers) override;
    bool superIsCommand() const override { return superCommand; }
    // As on XWayland: grabs see keys only while an X window is focused.
    bool xWindowsOnly = false;
    bool reachesEveryWindow() const override { return !xWindowsOnly; }
    void unregisterHotKey(int slot) override { registered.remove(slot); }
    void press(int slot) { emit pressed(slot); }
};

// The desktop's shortcuts: holders by combination, and the bindings asked for.
class FakeDesktopShortcuts : public DesktopShortcuts {
public:
    QString name = QStringLiteral("Xfce");
    QHash<QPair<quint32, quint32>, Holder> holders;
    bool bindable = true;
    // "code modifiers command" of each bind() call.
    QStringList bound;

    QString desktopName() const override { return name; }
    std::optional<Holder> holder(quint32 keyCode, quint32 modifiers) const override {
        return valueAt(holders, qMakePair(keyCode, modifiers));
    }
    QString shortcutsPlace() const override { return QStringLiteral("Settings › Keyboard"); }
    bool canBind() const override { return bindable; }
    std::optional<QString> bind(quint32 keyCode, quint32 modifiers, const QString& command) override;
};

class FakeNotifications : public Notifications {
public:
    QStringList sent; // "summary|body"
    bool available = true;
    bool notify(const QString& summary, const QString& body) override {
        if (!available) return false;
        sent << summary + QLatin1Char('|') + body;
        return true;
    }
};

class FakeKeySynth : public KeySynth {
public:
    bool trusted = true;
    int pastes = 0;
    QList<PasteKeys> keys; // of every paste posted
    bool isTrusted(bool) override { return trusted; }
    bool postPaste(PasteKeys pasted) override {
        ++pastes;
        keys << pasted;
        return trusted;
    }
};

class FakeLoginItems : public LoginItems {
public:
    bool enabled = false;
    std::optional<QString> failure;
    bool isEnabled() const override { return enabled; }
    std::optional<QString> setEnabled(bool value) override {
        if (failure) return failure;
        enabled = value;
        return std::nullopt;
    }
};

// Every fake, a temporary home with the usual folders, installed as the current platform.
class FakePlatform {
public:
    FakePlatform();
    ~FakePlatform();

    QString home() const { return environment.home; }
    // Creates a file (and its folders) under the home folder; returns its absolute path.
    QString makeFile(const QString& relative, const QByteArray& contents = {}) const;
    QString makeDir(const QString& relative) const;

    QTemporaryDir root;
    FakeClock clock;
    FakeEnvironment environment;
    FakeDefaultsStore defaults;
    FakeWorkspace workspace;
    FakePasteboard pasteboard;
    FakeProcesses processes;
    FakeSession session;
    FakeHotKeys hotKeys;
    FakeDesktopShortcuts desktopShortcuts;
    FakeNotifications notifications;
    FakeKeySynth keySynth;
    FakeLoginItems loginItems;
    // The real codec: pictures are plain bytes to decode, nothing of the desktop.
    QtImageCodec images;
    MetadataQueryFactory* metadata = nullptr;
    Platform platform;

    // Re-installs after a test changed a member pointer (metadata …).
    void install();

private:
    Platform m_previous;
};

} // namespace zarvo::fakes
