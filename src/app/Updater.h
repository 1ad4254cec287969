#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QUrl>

namespace zarvo {
class UserDefaults;
}

namespace zarvo::app {

// Update checks of a portable copy: reads the signed feed, and installs a newer build in place. A copy
// of the package manager, or a build without a feed address, does not check and says why.
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

    // The process's updater, configured from the build options and where this copy lies.
    static Updater& shared();

    Updater(Config config, UserDefaults& defaults, QObject* parent = nullptr);
    ~Updater() override;

    // Off until the user turns it on; stored with the other settings.
    bool automaticallyChecksForUpdates() const;
    void setAutomaticallyChecksForUpdates(bool on);

    // Asked by the user ("Check for Updates…", "Check Now"): checks and shows what was found.
    void checkForUpdates();

    // Why this copy does not check ("Updates come with your package manager" …); empty when it does.
    QString unavailableReason() const;
    // The host asked for updates, for the settings window's footer; empty when there is none.
    QString feedHost() const;

signals:
    void automaticallyChecksForUpdatesChanged(bool on);

private:
    Config m_config;
    UserDefaults& m_defaults;
};

} // namespace zarvo::app
