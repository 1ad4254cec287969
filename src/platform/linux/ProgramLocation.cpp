#include "platform/linux/ProgramLocation.h"

#include "platform/Environment.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <dlfcn.h>

namespace zarvo::linux_::ProgramLocation {

namespace {
constexpr const char* kCliModuleName = "zarvo-cli-desktop.so";

} // namespace

QStringList moduleCandidates(const QString& fileName) {
    const QString folder = QFileInfo(program()).path();
    return {folder + QLatin1Char('/') + fileName,
            QDir::cleanPath(folder + QLatin1String("/../lib/zarvo/") + fileName)};
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

QStringList cliDesktopModuleCandidates() {
    return moduleCandidates(QLatin1String(kCliModuleName));
}

QStringList translationFolders() {
    const QString folder = QFileInfo(program()).path();
    return {folder + QLatin1String("/translations"),
            QDir::cleanPath(folder + QLatin1String("/../share/zarvo/translations"))};
}

void* moduleEntry(const QStringList& candidates, const char* symbol, QString* errors) {
    for (const QString& path : candidates) {
        if (!QFileInfo::exists(path)) continue;
        // Global symbols stay inside the module: it carries its own copy of what the program links.
        void* module = dlopen(path.toLocal8Bit().constData(), RTLD_NOW | RTLD_LOCAL);
        if (!module) {
            *errors += QLatin1String("\n  ") + QString::fromLocal8Bit(dlerror());
            continue;
        }
        if (void* entry = dlsym(module, symbol)) return entry;
        *errors += QLatin1String("\n  ") + path + QLatin1String(": no entry point");
    }
    return nullptr;
}

} // namespace zarvo::linux_::ProgramLocation
