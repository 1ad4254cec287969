#include "platform/linux/LinuxEnvironment.h"

#include <QDir>
#include <QProcessEnvironment>
#include <cstdlib>

namespace zarvo::linux_ {

LinuxEnvironment::LinuxEnvironment(QString identifier) : m_identifier(std::move(identifier)) {}

std::optional<QString> LinuxEnvironment::variable(const QString& name) const {
    const QByteArray key = name.toLocal8Bit();
    if (key.isEmpty() || key.contains('=') || !qEnvironmentVariableIsSet(key.constData()))
        return std::nullopt;
    return qEnvironmentVariable(key.constData());
}

QHash<QString, QString> LinuxEnvironment::variables() const {
    QHash<QString, QString> out;
    const auto env = QProcessEnvironment::systemEnvironment();
    for (const auto& key : env.keys())
        out.insert(key, env.value(key));
    return out;
}

QString LinuxEnvironment::homePath() const {
    // HOME wins so that a sandbox home is honoured even when the password database says otherwise.
    // Read without Qt's environment lock: only a comparison with the kept value, and the application
    // does not change its environment from several threads.
    const char* raw = ::getenv("HOME");
    const QByteArrayView now = raw ? QByteArrayView(raw) : QByteArrayView();
    QMutexLocker lock(&m_homeMutex);
    if (m_homeVariable && *m_homeVariable == now) return m_home;
    const QString home = qEnvironmentVariable("HOME");
    m_home = home.isEmpty() ? QDir::homePath() : QDir::cleanPath(home);
    m_homeVariable = now.toByteArray();
    return m_home;
}

QString LinuxEnvironment::tempPath() const {
    return QDir::cleanPath(QDir::tempPath());
}

QString LinuxEnvironment::xdg(const char* variable, const char* fallback) const {
    const QString value = qEnvironmentVariable(variable);
    // The XDG rules ignore relative paths.
    if (!value.isEmpty() && QDir::isAbsolutePath(value)) return QDir::cleanPath(value);
    return homePath() + QLatin1Char('/') + QLatin1String(fallback);
}

QString LinuxEnvironment::dataHome() const {
    return xdg("XDG_DATA_HOME", ".local/share");
}
QString LinuxEnvironment::configHome() const {
    return xdg("XDG_CONFIG_HOME", ".config");
}
QString LinuxEnvironment::cacheHome() const {
    return xdg("XDG_CACHE_HOME", ".cache");
}

QString LinuxEnvironment::userName() const {
    QString user = qEnvironmentVariable("USER");
    if (user.isEmpty()) user = qEnvironmentVariable("LOGNAME");
    return user;
}

} // namespace zarvo::linux_
