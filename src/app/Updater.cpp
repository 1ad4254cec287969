#include "app/Updater.h"

#include "store/Settings.h"
#include "store/UserDefaults.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace zarvo::app {

namespace {

// The update framework's own key, so the setting keeps its meaning on every platform.
const QString kAutomaticChecksKey = QStringLiteral("SUEnableAutomaticChecks");

#ifndef ZARVO_UPDATE_FEED
#define ZARVO_UPDATE_FEED ""
#endif
#ifndef ZARVO_UPDATE_PUBLIC_KEY
#define ZARVO_UPDATE_PUBLIC_KEY ""
#endif

// A copy under /usr came with a package; the package manager owns its files and its updates.
bool isPackagedCopy() {
    const QString program = QCoreApplication::applicationFilePath();
    return program.startsWith(QLatin1String("/usr/")) && !program.startsWith(QLatin1String("/usr/local/"));
}

} // namespace

Updater& Updater::shared() {
    static Updater* updater = [] {
        Config config;
        config.feed = QUrl(QString::fromUtf8(ZARVO_UPDATE_FEED));
        config.publicKey = QByteArray::fromBase64(QByteArrayLiteral(ZARVO_UPDATE_PUBLIC_KEY));
        config.packaged = isPackagedCopy();
        return new Updater(config, Settings::sharedDefaults());
    }();
    return *updater;
}

Updater::Updater(Config config, UserDefaults& defaults, QObject* parent)
    : QObject(parent), m_config(std::move(config)), m_defaults(defaults) {}

Updater::~Updater() = default;

bool Updater::automaticallyChecksForUpdates() const {
    return m_defaults.boolean(kAutomaticChecksKey);
}

void Updater::setAutomaticallyChecksForUpdates(bool on) {
    if (on == automaticallyChecksForUpdates()) return;
    m_defaults.set(kAutomaticChecksKey, on);
    emit automaticallyChecksForUpdatesChanged(on);
}

QString Updater::unavailableReason() const {
    if (m_config.packaged) return QStringLiteral("Updates come with your package manager");
    if (!m_config.feed.isValid() || m_config.feed.isEmpty() || m_config.publicKey.size() != 32)
        return QStringLiteral("Update checks are not set up for this build");
    return {};
}

QString Updater::feedHost() const {
    return m_config.feed.host();
}

void Updater::checkForUpdates() {
    const QString reason = unavailableReason();
    if (!reason.isEmpty()) {
        QMessageBox::information(nullptr, QStringLiteral("Zarvo"), reason + QLatin1Char('.'));
        return;
    }
    // The check itself comes with the feed reader.
    QMessageBox::information(nullptr, QStringLiteral("Zarvo"),
                             QStringLiteral("Checking for updates is not built yet."));
}

} // namespace zarvo::app
