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
}

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
    const QString folder = QFileInfo(program()).path();
    return {folder + QLatin1Char('/') + QLatin1String(kModuleName),
            QDir::cleanPath(folder + QLatin1String("/../lib/zarvo/") + QLatin1String(kModuleName))};
}

} // namespace zarvo::linux_::ProgramLocation
