#pragma once

#include "app/Appcast.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QUrl>
#include <functional>
#include <variant>

class QNetworkAccessManager;
class QNetworkReply;
class QTimer;

namespace zarvo {
class Installation;
class UserDefaults;
} // namespace zarvo

namespace zarvo::app {

// Update checks of an installed portable copy: reads the feed, downloads a newer build, checks its
// length and Ed25519 signature, and swaps it in through the installer's staging folder, then relaunches.
// A copy of the package manager, a build without a feed address, or a copy that is no portable one
// does not check, and says why.
class Updater : public QObject {
    Q_OBJECT
public:
    struct Config {
        // The appcast feed; empty: this build does not check.
        QUrl feed;
        // The Ed25519 public key (32 raw bytes) that signs every download.
        QByteArray publicKey;
        // This copy was installed by the package manager, which brings its updates.
        bool packaged = false;
    };
    // What a check found.
    struct Found {
        enum class Kind { upToDate, available, failed };
        Kind kind = Kind::failed;
        Appcast::Item item;
        QString error;
    };

    // Downloads are refused above this size, whatever the feed says.
    static constexpr qint64 maximumDownloadBytes = 256 * 1024 * 1024;

    // The process's updater, configured from the build options and where this copy lies.
    static Updater& shared();

    Updater(Config config, UserDefaults& defaults, Installation* installation, QObject* parent = nullptr);
    ~Updater() override;

    // Off until the user turns it on; stored with the other settings. On, checks run once a day at a
    // random minute, never on a metered network.
    bool automaticallyChecksForUpdates() const;
    void setAutomaticallyChecksForUpdates(bool on);

    // Asked by the user ("Check for Updates…", "Check Now"): checks and shows what was found.
    void checkForUpdates();

    // Why this copy does not check ("Updates come with your package manager" …); empty when it does.
    QString unavailableReason() const;
    // The host asked for updates, for the settings window's footer; empty when there is none.
    QString feedHost() const;

    // The steps, each reporting on the main thread.
    void check(std::function<void(Found)> done);
    void download(const Appcast::Item& item, std::function<void(std::variant<QByteArray, QString>)> done);
    // Unpacks a verified archive, swaps its Zarvo/ folder in and starts it; an error text.
    std::optional<QString> install(const QByteArray& archive, const Appcast::Item& item);

    // Shows what a check found; true when the user wants the new version installed. Tests replace it.
    std::function<bool(const Found&)> present;
    // Shows an error of a download or install. Tests replace it.
    std::function<void(const QString&)> presentError;
    // Ends this process after an update was started. Tests replace it.
    std::function<void()> quit;

private:
    QString runningBuild() const;
    // Fetches `url` with at most `limit` bytes, refusing redirects to another host.
    void fetch(const QUrl& url, qint64 limit, std::function<void(std::variant<QByteArray, QString>)> done);
    void scheduleAutomaticCheck();
    void automaticCheck();
    void checkAndOffer(bool userAsked);

    Config m_config;
    UserDefaults& m_defaults;
    Installation* m_installation;
    QNetworkAccessManager* m_network = nullptr;
    QTimer* m_timer = nullptr;
    bool m_busy = false;
};

// Whether an address may be fetched: HTTPS, or plain HTTP to this machine's loopback (tests).
bool isAllowedUpdateUrl(const QUrl& url);

} // namespace zarvo::app
