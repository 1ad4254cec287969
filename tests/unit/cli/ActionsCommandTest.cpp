#include "CliRun.h"
#include "fakes/FakePlatform.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <gtest/gtest.h>

// zarvo-cli itself, run in a sandbox home, as a script would use it.

namespace {

using Result = zarvo::testing::CliRun;

struct Sandbox {
    zarvo::fakes::FakePlatform p;
    QString home = p.home();
    // The build folder: named by the test environment, else the parent of this test's own folder.
    QString cli =
        (qEnvironmentVariableIsEmpty("ZARVO_BIN_DIR") ? QCoreApplication::applicationDirPath() + "/.."
                                                      : qEnvironmentVariable("ZARVO_BIN_DIR")) +
        "/zarvo-cli";

    Result run(const QStringList& args) const {
        QProcess process;
        // The rest (offscreen, no display, own runtime folder) is TestMain's.
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", home);
        env.insert("XDG_DATA_HOME", p.environment.data);
        env.insert("XDG_CONFIG_HOME", p.environment.config);
        env.insert("XDG_CACHE_HOME", p.environment.cache);
        process.setProcessEnvironment(env);
        process.start(cli, args);
        if (!process.waitForFinished(120000)) return {};
        return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
                QString::fromUtf8(process.readAllStandardError())};
    }
};

} // namespace

// The actions are ResultActions'; here the command line reaches them by title, passes --to, prints, exits.
TEST(ActionsCommand, RunsActionsByTitleInASandboxHome) {
    Sandbox s;
    ASSERT_TRUE(QFileInfo(s.cli).isExecutable()) << s.cli.toStdString();
    s.p.makeFile("Report.pdf", "report");

    Result r = s.run({"actions", "~/Report.pdf", "--json"});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    const QJsonObject menu = QJsonDocument::fromJson(r.out.toUtf8()).object();
    EXPECT_EQ(menu["item"].toObject()["historyKey"].toString(), s.home + "/Report.pdf");
    QStringList titles;
    for (const auto& action : menu["actions"].toArray())
        titles << action.toObject()["title"].toString();
    EXPECT_TRUE(titles.contains("Duplicate") && titles.contains("Move to Trash")) << r.out.toStdString();

    EXPECT_EQ(s.run({"actions", "~/Report.pdf", "--run", "Duplicate"}),
              (Result{0, "Duplicated as \u201CReport copy.pdf\u201D\n", {}}));

    EXPECT_EQ(s.run({"actions", "~/Report copy.pdf", "--run", "Rename", "--to", "a/b"}),
              (Result{1, "That isn't a valid name\n", {}}));
    r = s.run({"actions", "~/Report copy.pdf", "--run", "Rename", "--to", "Draft.pdf"});
    EXPECT_EQ(r.code, 0) << r.err.toStdString();

    // Move into a folder, by its title without the ellipsis.
    s.p.makeDir("Archive");
    r = s.run({"actions", "~/Draft.pdf", "--run", "Move to", "--to", "~/Archive"});
    EXPECT_EQ(r.code, 0) << r.out.toStdString();

    // Actions that need a window and unknown titles (exit 2, so the row exists) and missing rows are refused.
    EXPECT_EQ(s.run({"actions", "~/zzqqxx-none.pdf", "--run", "Duplicate"}).code, 1);
    EXPECT_EQ(s.run({"actions", "~/Archive/Draft.pdf", "--run", "Quick Look"}).code, 2);
    EXPECT_EQ(s.run({"actions", "~/Archive/Draft.pdf", "--run", "Fly"}).code, 2);
    EXPECT_EQ(s.run({"actions", "~/Archive/Draft.pdf", "--select", "9"}).code, 1);
    EXPECT_EQ(s.run({"open"}).code, 2);
}
