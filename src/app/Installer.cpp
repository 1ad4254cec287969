#include "app/Installer.h"

#include "platform/Environment.h"

#include <QFileInfo>

namespace zarvo::app {

namespace {

Installation* g_installation = nullptr;
InstallDialogs* g_dialogs = nullptr;

QString parentOf(const QString& path) {
    return QFileInfo(path).path();
}

// True when `path` lies inside `folder` (a folder above it, not a textual prefix of its name).
bool isInside(const QString& path, QString folder) {
    if (folder.isEmpty()) return false;
    if (!folder.endsWith(QLatin1Char('/'))) folder += QLatin1Char('/');
    return path.startsWith(folder);
}

QString version(const std::optional<Installation::Info>& info, const QString& fallback) {
    return info && info->version ? *info->version : fallback;
}

const char* const kCouldNotInstall = QT_TRANSLATE_NOOP("Installer", "Couldn't install Zarvo");
const char* const kIncomplete = QT_TRANSLATE_NOOP("Installer", "The copied app is incomplete.");

} // namespace

bool Installer::handOffIfNeeded() {
    static const bool decision = g_installation ? Installer(*g_installation, g_dialogs).decide() : false;
    return decision;
}

void Installer::setUp(Installation* installation, InstallDialogs* dialogs) {
    g_installation = installation;
    g_dialogs = dialogs;
}

Installation* Installer::installation() {
    return g_installation;
}

int Installer::compareBuilds(const QString& a, const QString& b) {
    qsizetype i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (a[i].isDigit() && b[j].isDigit()) {
            qsizetype ei = i, ej = j;
            while (ei < a.size() && a[ei].isDigit())
                ++ei;
            while (ej < b.size() && b[ej].isDigit())
                ++ej;
            // Leading zeros do not make a number larger.
            QStringView x = QStringView(a).mid(i, ei - i), y = QStringView(b).mid(j, ej - j);
            while (x.size() > 1 && x.front() == QLatin1Char('0'))
                x = x.mid(1);
            while (y.size() > 1 && y.front() == QLatin1Char('0'))
                y = y.mid(1);
            if (x.size() != y.size()) return x.size() < y.size() ? -1 : 1;
            if (const int c = x.compare(y)) return c < 0 ? -1 : 1;
            i = ei;
            j = ej;
            continue;
        }
        if (a[i] != b[j]) return a[i] < b[j] ? -1 : 1;
        ++i;
        ++j;
    }
    if (i < a.size()) return 1;
    if (j < b.size()) return -1;
    return 0;
}

QString Installer::build(const std::optional<Installation::Info>& info) {
    return info && info->build ? *info->build : QStringLiteral("0");
}

std::optional<QString> Installer::imageVolume(const QString& path) const {
    QString best;
    for (const QString& mountPoint : m_i.mountPoints()) {
        if (mountPoint == QLatin1String("/") || !isInside(path, mountPoint)) continue;
        if (mountPoint.size() > best.size()) best = mountPoint;
    }
    if (best.isEmpty() || !m_i.isImage(best)) return std::nullopt;
    return best;
}

bool Installer::isInDownloads(const QString& path) const {
    return isInside(path, m_i.downloadsFolder());
}

bool Installer::isInTemporaryFolder(const QString& path) const {
    return isInside(path, m_i.resolved(m_i.tempFolder()));
}

int Installer::ask(const QString& message, const QString& informative, const QStringList& buttons) {
    return m_dialogs ? m_dialogs->ask(message, informative, buttons) : -1;
}

void Installer::alert(const QString& message, const QString& informative) {
    if (m_dialogs) m_dialogs->alert(message, informative);
}

bool Installer::decide() {
    const QString current = m_i.runningFolder();
    m_running = m_i.info(current);
    // A copy without our information file (the package's, a build tree's) never installs itself.
    if (!m_running || m_running->identifier != QLatin1String(kAppIdentifier)) return false;

    // Whatever copy of ours starts, a kill in the middle of a swap must not leave the place empty.
    cleanUpLeftovers(current);

    const QString destination = m_i.destination();
    if (current == m_i.resolved(destination) || m_i.arguments().contains(QLatin1String(installedArgument))) {
        m_i.quitOtherCopies();
        if (m_i.arguments().contains(QLatin1String(installedArgument))) {
            if (const auto note = m_i.integrate(destination))
                alert(tr("A link in ~/.local/bin was left as it is"), *note);
        }
        ejectVolumeIfAsked();
        return false;
    }

    const std::optional<QString> volume = imageVolume(current);
    if (!volume && !isInTemporaryFolder(current) && !isInDownloads(current)) return false;

    const std::optional<Installation::Info> installed = m_i.info(destination);
    if (installed && compareBuilds(build(installed), build(m_running)) >= 0) {
        openInstalledCopy(volume, false);
        return true;
    }

    const QString newVersion = version(m_running, tr("the new version"));
    if (!installed) {
        const int answer =
            ask(tr("Move Zarvo to your Applications folder?"),
                tr("It will open from there (%1) and from the application menu, and keep working after "
                   "you unmount the image or delete the download.")
                    .arg(destination),
                {tr("Move to Applications"), tr("Not Now")});
        if (answer != 0) return false;
    } else {
        const QString oldVersion = version(installed, tr("the old version"));
        const int answer =
            ask(tr("Replace Zarvo %1 with %2?").arg(oldVersion, newVersion),
                tr("Zarvo %1 will be closed and moved to the Trash, and %2 will open from your Applications "
                   "folder. Your history, clips and settings stay.")
                    .arg(oldVersion, newVersion),
                {tr("Replace and Open"), tr("Cancel")});
        if (answer != 0) {
            m_i.terminate();
            return true;
        }
    }

    if (const auto error = install(current)) {
        alert(tr(kCouldNotInstall),
              *error + tr("\n\nYou can unpack Zarvo into %1 yourself instead.").arg(destination));
        if (m_i.exists(destination))
            openInstalledCopy(std::nullopt, false);
        else
            m_i.terminate();
        return true;
    }
    openInstalledCopy(volume, true);
    return true;
}

std::optional<QString> Installer::install(const QString& source) {
    const InstallLock lock(m_i, true);
    if (!lock.held()) return InstallLock::busyMessage();
    cleanUpLeftovers(source);
    const QString destination = m_i.destination();
    const QString staging = parentOf(destination) + QStringLiteral("/.Zarvo-") + m_i.newUuid();
    if (const auto failure = m_i.copyFolder(source, staging)) {
        if (!failure->notPermitted) {
            m_i.removeFolder(staging);
            return failure->message;
        }
        m_i.quitOtherCopies();
        return installAsAdministrator(source, staging);
    }
    // The copy must be the build that was copied (the running copy's, or the downloaded update's).
    const auto copied = m_i.info(staging);
    if (!copied || build(copied) != build(m_i.info(source))) {
        m_i.removeFolder(staging);
        return tr(kIncomplete);
    }
    m_i.quitOtherCopies();
    // The new copy takes the destination's place in one step, so a copy is there at every moment;
    // the old one, now at the staging path, goes to the Trash.
    if (const auto error = m_i.swap(staging, destination)) {
        m_i.removeFolder(staging);
        return error;
    }
    if (m_i.exists(staging) && m_i.moveToTrash(staging)) m_i.removeFolder(staging);
    return std::nullopt;
}

void Installer::cleanUpLeftovers(const QString& inUse) {
    // Most starts find nothing, and then take no lock.
    if (m_i.stagingFolders().isEmpty()) return;
    const InstallLock lock(m_i, false);
    if (!lock.held()) return; // an install or update runs, and its folders are in use
    const QString destination = m_i.destination();
    bool keepAside = false;
    if (!m_i.exists(destination)) {
        // Killed between the two renames of a swap without exchange: the old copy, moved aside whole
        // under the staging name with "-old", goes back.
        for (const QString& folder : m_i.stagingFolders()) {
            const auto info = m_i.info(folder);
            if (!folder.endsWith(QLatin1String("-old")) || !info ||
                info->identifier != QLatin1String(kAppIdentifier))
                continue;
            keepAside = m_i.rename(folder, destination).has_value();
            break;
        }
    }
    for (const QString& folder : m_i.stagingFolders()) {
        if (folder == inUse || isInside(inUse, folder)) continue;
        // The only whole copy, when it could not go back, is kept for the next try.
        if (keepAside && folder.endsWith(QLatin1String("-old"))) continue;
        m_i.removeFolder(folder);
    }
}

std::optional<QString> Installer::installAsAdministrator(const QString& source, const QString& staging) {
    const QString destination = m_i.destination();
    const Installation::AdminResult result = m_i.installAsAdministrator(source, staging, destination);
    switch (result.exitCode) {
    case 0:
        return std::nullopt;
    case 126: // the password dialog was dismissed
        return tr("Permission denied");
    case 127:
        return tr("You are not allowed to install as administrator.");
    default:
        return result.standardError.trimmed().isEmpty() ? tr("Permission denied")
                                                        : result.standardError.trimmed();
    }
}

void Installer::openInstalledCopy(const std::optional<QString>& volume, bool fresh) {
    QStringList arguments{QLatin1String(installedArgument)};
    if (volume) arguments << QLatin1String(ejectVolumeArgument) << *volume;
    const QString destination = m_i.destination();
    // The running installed copy only shows itself; the image is unmounted once this copy is gone.
    if (!fresh && m_i.isRunning(destination) && volume) m_i.ejectAfterExit(*volume);
    if (const auto error = m_i.open(destination, arguments))
        alert(tr("Couldn't open Zarvo from Applications"), *error);
    m_i.terminate();
}

void Installer::ejectVolumeIfAsked() {
    const QStringList arguments = m_i.arguments();
    const qsizetype at = arguments.indexOf(QLatin1String(ejectVolumeArgument));
    if (at < 0 || at + 1 >= arguments.size()) return;
    const QString& volume = arguments.at(at + 1);
    if (m_i.isImage(volume)) m_i.eject(volume);
}

} // namespace zarvo::app
