#include "platform/linux/ProgramLocation.h"

#include "platform/Environment.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>

namespace zarvo::linux_::ProgramLocation {

namespace {
constexpr const char* kModuleName = "zarvo-desktop.so";
constexpr const char* kCliModuleName = "zarvo-cli-desktop.so";

QStringList candidates(const char* name) {
    const QString folder = QFileInfo(program()).path();
    return {folder + QLatin1Char('/') + QLatin1String(name),
            QDir::cleanPath(folder + QLatin1String("/../lib/zarvo/") + QLatin1String(name))};
}
} // namespace

QString program() {
    return QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget();
}

bool isPortableCopy() {
    QFile file(QFileInfo(program()).path() + QLatin1String("/Info.json"));
    if (!file.open(QIODevice::ReadOnly)) return false;
    return QJsonDocument::fromJson(file.read(64 * 1024))
               .object()
               .value(QLatin1String("CFBundleIdentifier")) == QLatin1String(kAppIdentifier);
}

QStringList desktopModuleCandidates() {
    return candidates(kModuleName);
}

QStringList cliDesktopModuleCandidates() {
    return candidates(kCliModuleName);
}

} // namespace zarvo::linux_::ProgramLocation
