#include "sources/ShellCommand.h"
#include "fakes/EventLoop.h"
#include "fakes/FakePlatform.h"
#include "fakes/Files.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace zarvo;
using zarvo::testing::readFile;

namespace {

constexpr const char* kTerminal = "/apps/terminal.desktop";

QStringList scriptsIn(const QString& folder) {
    return QDir(folder).entryList({"zarvo-*"}, QDir::Files | QDir::Hidden | QDir::System);
}

struct ShellFixture : ::testing::Test {
    fakes::FakePlatform p;
    void SetUp() override {
        p.workspace.applications["com.apple.Terminal"] = QString::fromLatin1(kTerminal);
        p.environment.vars["SHELL"] = "/bin/sh";
    }
    // Runs a script the way a terminal would (it is its own program), with no user profile around.
    int execute(const QString& script, const QString& workingDirectory = {}) {
        QProcess process;
        process.setWorkingDirectory(workingDirectory.isEmpty() ? p.home() : workingDirectory);
        QProcessEnvironment env;
        env.insert("HOME", p.home());
        env.insert("PATH", "/usr/bin:/bin");
        env.insert("SHELL", "/bin/sh");
        process.setProcessEnvironment(env);
        process.start(script);
        process.closeWriteChannel(); // the shell that keeps the window reads end of input and leaves
        return process.waitForFinished(20000) ? process.exitCode() : -1;
    }
};

} // namespace

TEST(ShellCommand, ParseTakesTheTextAfterTheGreaterThanSignAndQuotingKeepsItLiteral) {
    EXPECT_EQ(ShellCommand::parse(">   ls -la  "), "ls -la");
    EXPECT_EQ(ShellCommand::parse(" \t>\tgit  status"), "git  status");
    EXPECT_EQ(ShellCommand::parse(">"), QString());
    EXPECT_EQ(ShellCommand::parse(">> log"), "> log");
    EXPECT_EQ(ShellCommand::parse("> echo 'a  b' \n"), "echo 'a  b' \n");
    for (const char* text : {"", "ls", "ls > out", "\n> ls", "≥ ls", "» ls"})
        EXPECT_FALSE(ShellCommand::parse(QString::fromUtf8(text))) << text;
    // A real shell reads hostile names back in ScriptRunsInHostileFoldersAndRemovesItself.
    EXPECT_EQ(ShellCommand::quoted("/Users/o'brien"), "'/Users/o'\\''brien'");
    EXPECT_EQ(ShellCommand::quoted(QString()), "''");
    EXPECT_EQ(ShellCommand::quoted("''"), "''\\'''\\'''");
}

TEST_F(ShellFixture, ScriptTextRemovesItselfEntersTheFolderAndRunsTheCommandAsTyped) {
    p.environment.vars["SHELL"] = "/bin/bash";
    const QString text = ShellCommand::scriptText(&p.environment, "/tmp/zarvo-X.command", "/home/o'neil",
                                                  "echo 'hi there' | tr a-z A-Z");
    EXPECT_EQ(text.split(u'\n'),
              (QStringList{"#!/bin/bash -l", "rm -f '/tmp/zarvo-X.command'", "cd '/home/o'\\''neil'",
                           "echo 'hi there' | tr a-z A-Z", "", "exec '/bin/bash' -l", ""}));

    // A folder that looks like an option, here "-" (the previous folder), is made a plain path.
    EXPECT_EQ(ShellCommand::scriptText(&p.environment, "/t/s", "-", QString()).split(u'\n')[2], "cd './-'");
}

TEST_F(ShellFixture, ScriptShellIsTheUsersPosixLoginShellElseSh) {
    auto shellFor = [&](const QString& value) {
        p.environment.vars["SHELL"] = value;
        return ShellCommand::scriptShell(&p.environment);
    };
    EXPECT_EQ(shellFor("/bin/bash"), "/bin/bash");
    for (const QString& bad :
         QStringList{"bash", "/nonexistent/zsh", "/bin/ba sh", "/bin/bash\n-c id", "/etc/passwd", QString()})
        EXPECT_EQ(shellFor(bad), "/bin/sh") << bad.toStdString();

    // A shell that reads quotes its own way (fish) runs only the interactive part.
    const QString fish = p.makeFile("bin/fish", "#!/bin/sh\n");
    QFile::setPermissions(fish, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(shellFor(fish), "/bin/sh");
    const QStringList lines = ShellCommand::scriptText(&p.environment, "/t/s", "/", "ls").split(u'\n');
    EXPECT_EQ(lines[0], "#!/bin/sh -l");
    EXPECT_EQ(lines[5], "exec " + ShellCommand::quoted(fish) + " -l");
}

TEST_F(ShellFixture, RunWritesAPrivateScriptAndHandsItToTheTerminal) {
    ASSERT_EQ(ShellCommand::run(p.platform, "echo 'hi'", p.home()), std::nullopt);
    ASSERT_EQ(ShellCommand::run(p.platform, "echo 'hi'", p.home()), std::nullopt);
    ASSERT_EQ(p.workspace.terminalScripts.size(), 2);
    EXPECT_EQ(scriptsIn(p.environment.temp).size(), 2);

    const QString script = p.workspace.terminalScripts[0];
    const QRegularExpression name(
        "^zarvo-[0-9A-F]{8}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{12}\\.command$");
    EXPECT_TRUE(name.match(QFileInfo(script).fileName()).hasMatch()) << script.toStdString();

    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(script).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0700u);

    EXPECT_EQ(readFile(script),
              ShellCommand::scriptText(&p.environment, script, p.home(), "echo 'hi'").toUtf8());

    // Terminal accepted the scripts: they stay until they run.
    zarvo::testing::pump(50);
    EXPECT_EQ(scriptsIn(p.environment.temp).size(), 2);
}

TEST_F(ShellFixture, RunFailuresLeaveNoScriptBehind) {
    p.workspace.applications.remove("com.apple.Terminal");
    EXPECT_EQ(ShellCommand::run(p.platform, "ls", p.home()), "Terminal isn't installed");
    EXPECT_TRUE(p.workspace.terminalScripts.isEmpty());
    EXPECT_TRUE(scriptsIn(p.environment.temp).isEmpty());

    p.workspace.applications["com.apple.Terminal"] = QString::fromLatin1(kTerminal);
    p.workspace.terminalError = "no display";
    EXPECT_EQ(ShellCommand::run(p.platform, "ls", p.home()), std::nullopt);
    EXPECT_EQ(scriptsIn(p.environment.temp).size(), 1);
    zarvo::testing::pump(50);
    EXPECT_TRUE(scriptsIn(p.environment.temp).isEmpty());

    p.environment.temp = p.home() + "/missing/tmp";
    auto error = ShellCommand::run(p.platform, "ls", p.home());
    ASSERT_TRUE(error);
    EXPECT_TRUE(error->startsWith("Could not create \u201C" + p.environment.temp)) << error->toStdString();

    p.environment.temp = p.makeDir("tmp2");
    EXPECT_TRUE(ShellCommand::run(p.platform, QString::fromUtf16(u"ls\0rm", 5), p.home()));
    EXPECT_TRUE(ShellCommand::run(p.platform, "ls", QString::fromUtf16(u"/a\0b", 4)));
    EXPECT_TRUE(scriptsIn(p.environment.temp).isEmpty());
}

TEST_F(ShellFixture, ScriptRunsInHostileFoldersAndRemovesItself) {
    const QString out = p.home() + "/out.txt";
    const QString command = "printf '%s' \"$PWD\" > " + ShellCommand::quoted(out) + "; exit 7";
    for (const QString& name : QStringList{"it's here", "two\nlines", "$HOME `id` $(id)", "back\\slash\\",
                                           "-dash", "\"q\" *", "ünï ☃"}) {
        SCOPED_TRACE(name.toStdString());
        const QString folder = p.makeDir("hostile/" + name);
        QFile::remove(out);
        ASSERT_EQ(ShellCommand::run(p.platform, command, folder), std::nullopt);
        const QString script = p.workspace.terminalScripts.takeLast();
        EXPECT_EQ(execute(script), 7);
        EXPECT_FALSE(QFile::exists(script));
        EXPECT_EQ(readFile(out), folder.toUtf8());
    }
    // A relative folder with a leading dash is entered, not taken as an option.
    QFile::remove(out);
    ASSERT_EQ(ShellCommand::run(p.platform, command, "-dash"), std::nullopt);
    EXPECT_EQ(execute(p.workspace.terminalScripts.takeLast(), p.home() + "/hostile"), 7);
    EXPECT_EQ(readFile(out), (p.home() + "/hostile/-dash").toUtf8());

    // A command ending in a line continuation does not swallow the shell that keeps the window.
    ASSERT_EQ(ShellCommand::run(p.platform, "echo first > " + ShellCommand::quoted(out) + " \\", p.home()),
              std::nullopt);
    EXPECT_EQ(execute(p.workspace.terminalScripts.takeLast()), 0);
    EXPECT_EQ(readFile(out), "first\n");
}
