#include "sources/ShellCommand.h"
#include "search/Text.h"

#include "platform/Environment.h"
#include "platform/Platform.h"
#include "platform/Workspace.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrlQuery>
#include <QUuid>

namespace zarvo::ShellCommand {

namespace {

const QString kTerminalIdentifier = QStringLiteral("com.apple.Terminal");
const QString kFallbackShell = QStringLiteral("/bin/sh");

using Text::trimSpacesAndTabs;

// $SHELL when it names a program that can follow "#!" (absolute, no blanks or control characters,
// short enough for the kernel's line limit) and exists; none otherwise.
std::optional<QString> userShell(const Environment* environment) {
    const auto shell = environment ? environment->variable(QStringLiteral("SHELL")) : std::nullopt;
    if (!shell || !shell->startsWith(u'/') || shell->size() > 120) return std::nullopt;
    for (QChar c : *shell)
        if (c.isSpace() || c.category() == QChar::Other_Control || c.unicode() > 0x7e) return std::nullopt;
    const QFileInfo info(*shell);
    if (!info.isFile() || !info.isExecutable()) return std::nullopt;
    return shell;
}

// Shells that read the first lines the way they are written: single quotes keep everything, newlines
// included. fish and the csh family do not, so their users' commands run in /bin/sh.
bool isPosixShell(const QString& path) {
    static const QStringList names = {
        QStringLiteral("sh"),  QStringLiteral("bash"), QStringLiteral("zsh"),   QStringLiteral("dash"),
        QStringLiteral("ksh"), QStringLiteral("mksh"), QStringLiteral("ksh93"), QStringLiteral("yash"),
        QStringLiteral("ash"), QStringLiteral("oksh"), QStringLiteral("lksh"),  QStringLiteral("posh")};
    return names.contains(QFileInfo(path).fileName());
}

// "-x" would read as an option to cd and "-" as "the previous folder"; "./-x" is the same folder.
QString pathOperand(const QString& path) {
    return path.startsWith(u'-') ? QStringLiteral("./") + path : path;
}

QString temporaryFolder(const Environment* environment) {
    const QString folder = environment ? environment->tempPath() : QString();
    return folder.isEmpty() ? QDir::tempPath() : folder;
}

constexpr QFileDevice::Permissions kPrivateExecutable = QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                        QFileDevice::ExeOwner | QFileDevice::ReadUser |
                                                        QFileDevice::WriteUser | QFileDevice::ExeUser;

} // namespace

std::optional<QString> parse(const QString& text) {
    const QString trimmed = trimSpacesAndTabs(text);
    if (!trimmed.startsWith(u'>')) return std::nullopt;
    return trimSpacesAndTabs(QStringView(trimmed).mid(1));
}

QUrl url(const QString& command) {
    QUrl url;
    url.setScheme(QStringLiteral("zarvo"));
    url.setPath(QStringLiteral("run"));
    QUrlQuery query;
    // Encode '+' and '&' ourselves: QUrlQuery would leave them ambiguous in a query value.
    QString value = QString::fromUtf8(QUrl::toPercentEncoding(command, "!$'()*,;:@/?-._~"));
    query.setQueryItems({{QStringLiteral("cmd"), value}});
    url.setQuery(query.toString(QUrl::FullyEncoded), QUrl::StrictMode);
    return url;
}

QString quoted(const QString& text) {
    QString escaped = text;
    escaped.replace(u'\'', QLatin1String("'\\''"));
    return u'\'' + escaped + u'\'';
}

QString scriptShell(const Environment* environment) {
    const auto shell = userShell(environment);
    return shell && isPosixShell(*shell) ? *shell : kFallbackShell;
}

QString scriptText(const Environment* environment, const QString& scriptPath, const QString& directory,
                   const QString& command) {
    const QString shell = scriptShell(environment);
    const QString interactive = userShell(environment).value_or(shell);
    // The empty line ends a command that ends in a backslash before the shell that keeps the window.
    return QStringLiteral("#!") + shell + QStringLiteral(" -l\n") +             //
           QStringLiteral("rm -f ") + quoted(pathOperand(scriptPath)) + u'\n' + //
           QStringLiteral("cd ") + quoted(pathOperand(directory)) + u'\n' +     //
           command + QStringLiteral("\n\n") +                                   //
           QStringLiteral("exec ") + quoted(interactive) + QStringLiteral(" -l\n");
}

std::optional<QString> run(const Platform& platform, const QString& command, const QString& directory,
                           const std::optional<QString>& terminal) {
    // A NUL cannot be part of a path, and shells cut a script line at one.
    if (command.contains(QChar(u'\0')) || directory.contains(QChar(u'\0')))
        return QCoreApplication::translate("ShellCommand", "The command contains a NUL character");

    const QString scriptPath = QDir(temporaryFolder(platform.environment))
                                   .filePath(QStringLiteral("zarvo-") +
                                             QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper() +
                                             QStringLiteral(".command"));

    // Created new (never through an existing file or link) and private from the first byte: the
    // temporary folder is shared with every other user.
    QFile file(scriptPath);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly, kPrivateExecutable))
        return QCoreApplication::translate("ShellCommand", "Could not create “%1”: %2")
            .arg(scriptPath, file.errorString());
    const QByteArray text = scriptText(platform.environment, scriptPath, directory, command).toUtf8();
    const bool written = file.write(text) == text.size() && file.flush();
    const QString writeError = file.errorString();
    file.close();
    if (!written) {
        QFile::remove(scriptPath);
        return QCoreApplication::translate("ShellCommand", "Could not write “%1”: %2")
            .arg(scriptPath, writeError);
    }
    // Set again: the creation mode went through the umask.
    if (!QFile::setPermissions(scriptPath, kPrivateExecutable)) {
        QFile::remove(scriptPath);
        return QCoreApplication::translate("ShellCommand", "Could not make “%1” executable").arg(scriptPath);
    }

    Workspace* workspace = platform.workspace;
    if (!workspace || (!terminal && !workspace->urlForApplication(kTerminalIdentifier))) {
        QFile::remove(scriptPath);
        return QCoreApplication::translate("ShellCommand", "Terminal isn't installed");
    }
    // Success leaves the file to the script, which removes it as it starts.
    workspace->openTerminalScript(scriptPath, terminal, [scriptPath](std::optional<QString> error) {
        if (error) QFile::remove(scriptPath);
    });
    return std::nullopt;
}

} // namespace zarvo::ShellCommand
