#include "platform/linux/TerminalLauncher.h"

#include "platform/linux/GioIncludes.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QStandardPaths>
#include <QUuid>

namespace zarvo::linux_::TerminalLauncher {

namespace {
QString quoted(const QString& text) {
    QString out = text;
    out.replace(QLatin1String("'"), QLatin1String("'\\''"));
    return QLatin1Char('\'') + out + QLatin1Char('\'');
}

// The program a desktop entry starts (its Exec's first word), or the location itself.
QString programOf(const QString& location) {
    if (!location.endsWith(QLatin1String(".desktop"))) return location;
    GRef<GDesktopAppInfo> info(g_desktop_app_info_new_from_filename(QFile::encodeName(location).constData()));
    if (!info) return {};
    const char* commandLine = g_app_info_get_commandline(G_APP_INFO(info.get()));
    gchar** argv = nullptr;
    if (!commandLine || !g_shell_parse_argv(commandLine, nullptr, &argv, nullptr)) return {};
    QString program = argv[0] ? QString::fromUtf8(argv[0]) : QString();
    g_strfreev(argv);
    return program;
}
} // namespace

QString loginShell() {
    const QString shell = qEnvironmentVariable("SHELL");
    return shell.isEmpty() || !QFileInfo(shell).isExecutable() ? QStringLiteral("/bin/sh") : shell;
}

QStringList commandFlag(const QString& program) {
    static const QHash<QString, QStringList> flags = {
        {QStringLiteral("gnome-terminal"), {QStringLiteral("--")}},
        {QStringLiteral("kgx"), {QStringLiteral("--")}},
        {QStringLiteral("ptyxis"), {QStringLiteral("--")}},
        {QStringLiteral("xfce4-terminal"), {QStringLiteral("-x")}},
        {QStringLiteral("terminator"), {QStringLiteral("-x")}},
        {QStringLiteral("wezterm"), {QStringLiteral("start"), QStringLiteral("--")}},
        {QStringLiteral("kitty"), {}},
        {QStringLiteral("warp-terminal"), {}},
    };
    const QString name = QFileInfo(program).fileName();
    // konsole, alacritty, xterm, tilix, ghostty, mate-terminal, lxterminal, qterminal, x-terminal-emulator …
    return flags.value(name, {QStringLiteral("-e")});
}

std::optional<QStringList> terminalCommand(const std::optional<QString>& chosen,
                                           const std::optional<QString>& desktopTerminal,
                                           const QStringList& command) {
    QStringList tried;
    if (chosen) tried << *chosen;
    if (desktopTerminal) tried << *desktopTerminal;
    tried << QStringLiteral("x-terminal-emulator") << QStringLiteral("gnome-terminal")
          << QStringLiteral("konsole") << QStringLiteral("xfce4-terminal") << QStringLiteral("xterm");
    for (const QString& location : std::as_const(tried)) {
        const QString program = programOf(location);
        if (program.isEmpty()) continue;
        const QString path =
            program.contains(QLatin1Char('/')) ? program : QStandardPaths::findExecutable(program);
        if (path.isEmpty() || !QFileInfo(path).isExecutable()) continue;
        return QStringList{path} + commandFlag(path) + command;
    }
    return std::nullopt;
}

std::optional<QString> writeScript(const QString& tempDir, const QString& directory,
                                   const QString& shellText) {
    const QString path = tempDir + QStringLiteral("/zarvo-") +
                         QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper() + QStringLiteral(".sh");
    QFile file(path);
    // Created private before anything is written: the command may carry secrets.
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly,
                   QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner))
        return std::nullopt;
    const QString text = QStringLiteral("rm -f %1\ncd %2\n%3\nexec %4 -l\n")
                             .arg(quoted(path), quoted(directory), shellText, quoted(loginShell()));
    const QByteArray bytes = text.toUtf8();
    if (file.write(bytes) != bytes.size()) {
        file.remove();
        return std::nullopt;
    }
    file.close();
    return path;
}

} // namespace zarvo::linux_::TerminalLauncher
