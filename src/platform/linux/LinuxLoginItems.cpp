#include "platform/linux/LinuxLoginItems.h"

#include "platform/Environment.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>

namespace zarvo::linux_ {

LinuxLoginItems::LinuxLoginItems(const Environment& environment, QString executable)
    : m_environment(environment), m_executable(std::move(executable)) {}

QString LinuxLoginItems::entryPath() const {
    return m_environment.configHome() + QLatin1String("/autostart/") + m_environment.appIdentifier() +
           QLatin1String(".desktop");
}

QString LinuxLoginItems::applicationBeside(const QString& program) {
    return QFileInfo(program).path() + QLatin1String("/zarvo");
}

std::optional<QString> LinuxLoginItems::escapedValue(const QString& text) {
    QString escaped;
    escaped.reserve(text.size());
    for (QChar c : text) {
        switch (c.unicode()) {
        case '\\':
            escaped += QLatin1String("\\\\");
            break;
        case '\n':
            escaped += QLatin1String("\\n");
            break;
        case '\t':
            escaped += QLatin1String("\\t");
            break;
        case '\r':
            escaped += QLatin1String("\\r");
            break;
        default:
            // Other control characters have no escape in a desktop entry value.
            if (c.unicode() < 0x20 || c.unicode() == 0x7f) return std::nullopt;
            escaped += c;
        }
    }
    return escaped;
}

std::optional<QString> LinuxLoginItems::execLine(const QString& program) {
    // Inside double quotes the Exec rules escape " ` $ and \ with a backslash and a literal % is %%;
    // the value's own escapes (\\, \n, \t, \r) come on top, as readers undo them first.
    QString quoted = QStringLiteral("\"");
    for (QChar c : program) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\'))
            quoted += QLatin1Char('\\');
        quoted += c;
    }
    quoted += QLatin1Char('"');
    quoted.replace(QLatin1String("%"), QLatin1String("%%"));
    return escapedValue(quoted);
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
            return QCoreApplication::translate("LinuxLoginItems", "could not remove %1").arg(path);
        return std::nullopt;
    }
    if (m_executable.isEmpty())
        return QCoreApplication::translate("LinuxLoginItems", "the program to start is unknown");
    // Whichever program asks (zarvo-cli too), login starts the application beside it.
    const QString program = applicationBeside(m_executable);
    const QFileInfo info(program);
    if (!info.isFile() || !info.isExecutable())
        return QCoreApplication::translate("LinuxLoginItems",
                                           "there is no Zarvo application at %1 to start at login")
            .arg(program);
    const std::optional<QString> exec = execLine(program);
    if (!exec)
        return QCoreApplication::translate(
                   "LinuxLoginItems", "%1 holds a control character, which an autostart entry cannot name")
            .arg(program);
    if (!QDir().mkpath(m_environment.configHome() + QLatin1String("/autostart")))
        return QCoreApplication::translate("LinuxLoginItems", "could not create %1/autostart")
            .arg(m_environment.configHome());
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
                             .arg(*exec, m_environment.appIdentifier());
    file.write(text.toUtf8());
    if (!file.commit()) return file.errorString();
    return std::nullopt;
}

} // namespace zarvo::linux_
