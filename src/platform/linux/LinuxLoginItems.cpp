#include "platform/linux/LinuxLoginItems.h"

#include "platform/Environment.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QSettings>

namespace zarvo::linux_ {

LinuxLoginItems::LinuxLoginItems(const Environment& environment, QString executable)
    : m_environment(environment), m_executable(std::move(executable)) {}

QString LinuxLoginItems::entryPath() const {
    return m_environment.configHome() + QLatin1String("/autostart/") + m_environment.appIdentifier() +
           QLatin1String(".desktop");
}

QString LinuxLoginItems::execLine(const QString& program) {
    // Inside double quotes the desktop entry rules escape " ` $ and \ with a backslash; the string
    // value itself escapes the backslash once more.
    QString quoted;
    for (QChar c : program) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\'))
            quoted += QLatin1Char('\\');
        quoted += c;
    }
    quoted.replace(QLatin1String("\\"), QLatin1String("\\\\"));
    quoted.replace(QLatin1String("%"), QLatin1String("%%"));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

bool LinuxLoginItems::isEnabled() const {
    QFile file(entryPath());
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return false;
    // An entry the user switched off in the desktop's own settings stays but says so.
    while (!file.atEnd()) {
        const QByteArray line = file.readLine().trimmed();
        if (line == "Hidden=true" || line == "X-GNOME-Autostart-enabled=false") return false;
    }
    return true;
}

std::optional<QString> LinuxLoginItems::setEnabled(bool enabled) {
    const QString path = entryPath();
    if (!enabled) {
        if (QFile::exists(path) && !QFile::remove(path))
            return QStringLiteral("could not remove %1").arg(path);
        return std::nullopt;
    }
    if (m_executable.isEmpty()) return QStringLiteral("the program to start is unknown");
    if (!QDir().mkpath(m_environment.configHome() + QLatin1String("/autostart")))
        return QStringLiteral("could not create %1/autostart").arg(m_environment.configHome());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) return file.errorString();
    const QString text = QStringLiteral("[Desktop Entry]\n"
                                        "Type=Application\n"
                                        "Name=Zarvo\n"
                                        "Comment=Keyboard launcher and clipboard history\n"
                                        "Exec=%1\n"
                                        "Icon=%2\n"
                                        "Terminal=false\n"
                                        "X-GNOME-Autostart-enabled=true\n")
                             .arg(execLine(m_executable), m_environment.appIdentifier());
    file.write(text.toUtf8());
    if (!file.commit()) return file.errorString();
    return std::nullopt;
}

} // namespace zarvo::linux_
