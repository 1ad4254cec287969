#include "app/Updater.h"

#include "app/Installer.h"
#include "app/UpdateDialogs.h"
#include "app/UpdateSignature.h"
#include "platform/Environment.h"
#include "platform/Installation.h"
#include "store/Settings.h"
#include "store/UserDefaults.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QHostAddress>
#include <QMessageBox>
#include <QNetworkAccessManager>
#include <QNetworkCookie>
#include <QNetworkCookieJar>
#include <QNetworkInformation>
#include <QNetworkReply>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTimer>

namespace zarvo::app {

namespace {

// A server-set cookie would let the update server tell this copy's checks apart: none is kept.
class RefusingCookieJar : public QNetworkCookieJar {
public:
    using QNetworkCookieJar::QNetworkCookieJar;
    QList<QNetworkCookie> cookiesForUrl(const QUrl&) const override { return {}; }
    bool setCookiesFromUrl(const QList<QNetworkCookie>&, const QUrl&) override { return false; }
};

// The update framework's own keys, so the settings keep their meaning on every platform.
const QString kAutomaticChecksKey = QStringLiteral("SUEnableAutomaticChecks");
const QString kLastCheckKey = QStringLiteral("SULastCheckTime");
constexpr qint64 kDayMs = 24LL * 60 * 60 * 1000;

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

bool isMetered() {
    if (!QNetworkInformation::instance())
        QNetworkInformation::loadBackendByFeatures(QNetworkInformation::Feature::Metered);
    const QNetworkInformation* information = QNetworkInformation::instance();
    return information && information->supports(QNetworkInformation::Feature::Metered) &&
           information->isMetered();
}

} // namespace

bool isAllowedUpdateUrl(const QUrl& url) {
    if (!url.isValid() || url.host().isEmpty()) return false;
    if (url.scheme() == QLatin1String("https")) return true;
    return url.scheme() == QLatin1String("http") && QHostAddress(url.host()).isLoopback();
}

Updater& Updater::shared() {
    static Updater* updater = [] {
        Config config;
        config.feed = QUrl(QString::fromUtf8(ZARVO_UPDATE_FEED));
        config.publicKey = QByteArray::fromBase64(QByteArrayLiteral(ZARVO_UPDATE_PUBLIC_KEY));
#ifdef ZARVO_UPDATE_FEED_FROM_ENVIRONMENT
        // A test build: the end-to-end update test serves its feed on this machine, signed with its own key.
        if (qEnvironmentVariableIsSet("ZARVO_TEST_UPDATE_FEED")) {
            config.feed = QUrl(qEnvironmentVariable("ZARVO_TEST_UPDATE_FEED"));
            config.publicKey = QByteArray::fromBase64(qgetenv("ZARVO_TEST_UPDATE_PUBLIC_KEY"));
        }
#endif
        config.packaged = isPackagedCopy();
        return new Updater(config, Settings::sharedDefaults(), Installer::installation());
    }();
    return *updater;
}

Updater::Updater(Config config, UserDefaults& defaults, Installation* installation, QObject* parent)
    : QObject(parent), m_config(std::move(config)), m_defaults(defaults), m_installation(installation) {
    present = [this](const Found& found) {
        const auto info =
            m_installation ? m_installation->info(m_installation->runningFolder()) : std::nullopt;
        return showFound(found, info && info->version ? *info->version : QStringLiteral(ZARVO_VERSION));
    };
    presentError = [](const QString& error) { errorBox(error)->exec(); };
    quit = [] { QTimer::singleShot(0, qApp, &QCoreApplication::quit); };
    m_timer = new QTimer(this);
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, &Updater::automaticCheck);
    scheduleAutomaticCheck();
}

Updater::~Updater() = default;

bool Updater::automaticallyChecksForUpdates() const {
    return m_defaults.boolean(kAutomaticChecksKey);
}

void Updater::setAutomaticallyChecksForUpdates(bool on) {
    if (on == automaticallyChecksForUpdates()) return;
    m_defaults.set(kAutomaticChecksKey, on);
    scheduleAutomaticCheck();
}

QString Updater::unavailableReason() const {
    if (m_config.packaged) return tr("Updates come with your package manager");
    if (!isAllowedUpdateUrl(m_config.feed) || m_config.publicKey.size() != 32)
        return tr("Update checks are not set up for this build");
    if (!m_installation || !m_installation->info(m_installation->runningFolder()))
        return tr("Only a copy installed from the portable folder updates itself");
    return {};
}

QString Updater::feedHost() const {
    return m_config.feed.host();
}

QString Updater::runningBuild() const {
    return Installer::build(m_installation ? m_installation->info(m_installation->runningFolder())
                                           : std::nullopt);
}

void Updater::scheduleAutomaticCheck() {
    m_timer->stop();
    if (!automaticallyChecksForUpdates() || !unavailableReason().isEmpty()) return;
    // A day after the last check, plus up to an hour at random so that copies do not ask at once.
    const qint64 last = m_defaults.integer(kLastCheckKey).value_or(0);
    const qint64 due = std::max<qint64>(0, last + kDayMs - QDateTime::currentMSecsSinceEpoch());
    const qint64 jitter = QRandomGenerator::global()->bounded(60 * 60 * 1000);
    m_timer->start(std::chrono::milliseconds(std::min<qint64>(due + jitter, kDayMs + jitter)));
}

void Updater::automaticCheck() {
    if (isMetered() || m_busy) {
        m_timer->start(std::chrono::hours(1));
        return;
    }
    m_defaults.set(kLastCheckKey, QDateTime::currentMSecsSinceEpoch());
    checkAndOffer(false);
    scheduleAutomaticCheck();
}

void Updater::checkForUpdates() {
    const QString reason = unavailableReason();
    if (!reason.isEmpty()) {
        QMessageBox::information(nullptr, tr("Software Update"), reason + QLatin1Char('.'));
        return;
    }
    checkAndOffer(true);
}

void Updater::checkAndOffer(bool userAsked) {
    if (m_busy) return;
    m_busy = true;
    check([this, userAsked](Found found) {
        // An automatic check speaks only when there is something new.
        if (!userAsked && found.kind != Found::Kind::available) {
            m_busy = false;
            if (found.kind == Found::Kind::failed)
                qWarning("Zarvo: update check failed: %s", qPrintable(found.error));
            return;
        }
        if (!present(found)) {
            m_busy = false;
            return;
        }
        download(found.item, [this, item = found.item](std::variant<QByteArray, QString> result) {
            m_busy = false;
            if (auto* error = std::get_if<QString>(&result)) {
                presentError(*error);
                return;
            }
            if (const auto error = install(std::get<QByteArray>(result), item)) presentError(*error);
        });
    });
}

void Updater::check(std::function<void(Found)> done) {
    fetch(m_config.feed, Appcast::maximumFeedBytes, [this, done](std::variant<QByteArray, QString> result) {
        Found found;
        if (auto* error = std::get_if<QString>(&result)) {
            found.error = *error;
            done(found);
            return;
        }
        auto newest = Appcast::newest(std::get<QByteArray>(result));
        if (auto* error = std::get_if<QString>(&newest)) {
            found.error = *error;
            done(found);
            return;
        }
        found.item = std::get<Appcast::Item>(newest);
        found.kind = Installer::compareBuilds(found.item.build, runningBuild()) > 0 ? Found::Kind::available
                                                                                    : Found::Kind::upToDate;
        done(found);
    });
}

void Updater::download(const Appcast::Item& item,
                       std::function<void(std::variant<QByteArray, QString>)> done) {
    if (!isAllowedUpdateUrl(item.url)) {
        done(tr("The update is not offered over HTTPS (%1).").arg(item.url.toDisplayString()));
        return;
    }
    if (item.length <= 0 || item.length > maximumDownloadBytes) {
        done(tr("The update's size (%1 bytes) is not believable.").arg(item.length));
        return;
    }
    if (item.signature.size() != 64) {
        done(tr("The update is not signed."));
        return;
    }
    const QByteArray key = m_config.publicKey;
    fetch(item.url, item.length, [item, key, done](std::variant<QByteArray, QString> result) {
        if (auto* error = std::get_if<QString>(&result)) {
            done(*error);
            return;
        }
        const QByteArray& data = std::get<QByteArray>(result);
        if (data.size() != item.length) {
            done(tr("The update has %1 bytes, not the %2 the feed announced.")
                     .arg(data.size())
                     .arg(item.length));
            return;
        }
        const std::optional<bool> signed_ = UpdateSignature::verify(data, item.signature, key);
        if (!signed_) {
            done(tr("The update's signature cannot be checked: a file of Zarvo is missing. Reinstall Zarvo; "
                    "the update was not installed."));
            return;
        }
        if (!*signed_) {
            done(tr("The update's signature does not match; it was not installed."));
            return;
        }
        done(data);
    });
}

void Updater::fetch(const QUrl& url, qint64 limit,
                    std::function<void(std::variant<QByteArray, QString>)> done) {
    if (!isAllowedUpdateUrl(url)) {
        done(tr("The address %1 is not HTTPS.").arg(url.toDisplayString()));
        return;
    }
    if (!m_network) {
        m_network = new QNetworkAccessManager(this);
        m_network->setCookieJar(new RefusingCookieJar(m_network));
    }
    QNetworkRequest request(url);
    // Nothing about the user or this machine goes out: no cookies, no identifiers, a bare agent, and
    // no language list (Qt would send the user's).
    request.setHeader(QNetworkRequest::UserAgentHeader, QStringLiteral("Zarvo"));
    request.setRawHeader(QByteArrayLiteral("Accept-Language"), QByteArrayLiteral("*"));
    request.setAttribute(QNetworkRequest::CookieLoadControlAttribute, QNetworkRequest::Manual);
    request.setAttribute(QNetworkRequest::CookieSaveControlAttribute, QNetworkRequest::Manual);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::UserVerifiedRedirectPolicy);
    request.setMaximumRedirectsAllowed(5);
    request.setTransferTimeout(30000);
    QNetworkReply* reply = m_network->get(request);
    auto refused = std::make_shared<QString>();
    connect(reply, &QNetworkReply::redirected, reply, [reply, url, refused](const QUrl& target) {
        if (target.host() == url.host() && isAllowedUpdateUrl(target)) {
            emit reply->redirectAllowed();
            return;
        }
        *refused =
            tr("The update server sent the request on to another place (%1).").arg(target.toDisplayString());
        reply->abort();
    });
    connect(reply, &QNetworkReply::downloadProgress, reply,
            [reply, limit, refused](qint64 received, qint64 total) {
                if (received > limit || total > limit) {
                    *refused = tr("The answer of the update server is larger than %1 bytes.").arg(limit);
                    reply->abort();
                }
            });
    connect(reply, &QNetworkReply::finished, this, [reply, limit, refused, done] {
        reply->deleteLater();
        if (!refused->isEmpty()) return done(*refused);
        if (reply->error() != QNetworkReply::NoError)
            return done(tr("The update server could not be reached: %1").arg(reply->errorString()));
        const QByteArray data = reply->read(limit + 1);
        if (data.size() > limit)
            return done(tr("The answer of the update server is larger than %1 bytes.").arg(limit));
        done(data);
    });
}

std::optional<QString> Updater::install(const QByteArray& archive, const Appcast::Item& item) {
    if (!m_installation) return tr("This copy cannot install updates.");
    // Unpacked beside the installed copy, so the swap stays on one file system.
    const QString destination = m_installation->destination();
    QDir().mkpath(QFileInfo(destination).path());
    // Held until the unpacked folder is gone, so no copy starting meanwhile takes it for a leftover.
    const InstallLock lock(*m_installation, true);
    if (!lock.held()) return InstallLock::busyMessage();
    QTemporaryDir unpacked(QFileInfo(destination).path() + QStringLiteral("/.Zarvo-update-XXXXXX"));
    if (!unpacked.isValid()) return tr("No room to unpack the update: %1").arg(unpacked.errorString());
    QFile file(unpacked.filePath(QStringLiteral("update.tar.gz")));
    if (!file.open(QIODevice::WriteOnly) || file.write(archive) != archive.size() || !file.flush())
        return tr("The update could not be saved: %1").arg(file.errorString());
    file.close();
    QProcess tar;
    tar.start(QStringLiteral("tar"),
              {QStringLiteral("-xzf"), file.fileName(), QStringLiteral("-C"), unpacked.path(),
               QStringLiteral("--no-same-owner"), QStringLiteral("Zarvo")});
    if (!tar.waitForFinished(120000) || tar.exitStatus() != QProcess::NormalExit || tar.exitCode() != 0)
        return tr("The update could not be unpacked: %1")
            .arg(QString::fromLocal8Bit(tar.readAllStandardError()).trimmed());
    const QString folder = unpacked.filePath(QStringLiteral("Zarvo"));
    const auto info = m_installation->info(folder);
    if (!info || info->identifier != QLatin1String(kAppIdentifier) || Installer::build(info) != item.build)
        return tr("The update holds no Zarvo of build %1.").arg(item.build);
    if (const auto error = Installer(*m_installation).install(folder)) return error;
    if (const auto error = m_installation->open(destination, {QLatin1String(Installer::installedArgument)}))
        return error;
    quit();
    return std::nullopt;
}

} // namespace zarvo::app
