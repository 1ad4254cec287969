#include "CliRun.h"
#include "fakes/FakePlatform.h"
#include "fakes/Files.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

using namespace zarvo;
using zarvo::testing::CliRun;
using zarvo::testing::readFile;
using zarvo::testing::writeFile;

namespace {

using ClipsCommand = zarvo::testing::ClipsCli;

TEST_F(ClipsCommand, AddListSearchPinDeleteClearAndCopy) {
    CliRun r = clips({"add", "--app", "Editor", "--bundle", "org.editor"}, "first copy\nsecond line");
    ASSERT_EQ(r.code, 0) << r;
    const QString firstID = r.out.trimmed();
    EXPECT_EQ(firstID.size(), 36);
    ASSERT_EQ(clips({"add", "--file", p.makeFile("Documents/report.pdf")}).code, 0);
    r = clips({"add", "--type", "text", "--type", "org.nspasteboard.ConcealedType"}, "hunter2");
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.err.contains("private")) << r;
    EXPECT_EQ(clips({"add"}, "   \n").code, 1);

    r = clips({"list", "--json"});
    ASSERT_EQ(r.code, 0);
    const QJsonArray list = QJsonDocument::fromJson(r.out.toUtf8()).array();
    ASSERT_EQ(list.size(), 2);
    EXPECT_EQ(list[0]["kind"].toString(), "files");
    EXPECT_EQ(list[0]["title"].toString(), "report.pdf");
    EXPECT_EQ(list[1]["appName"].toString(), "Editor");
    EXPECT_EQ(list[1]["id"].toString(), firstID);

    EXPECT_EQ(clips({"pin", firstID.left(8)}).code, 0);
    EXPECT_TRUE(clips({"search", "  "}).out.startsWith(firstID)); // pinned first
    EXPECT_EQ(clips({"search", "SECOND"}).out.count('\n'), 1);
    const CliRun copied = clips({"copy", firstID, "--plain"});
    EXPECT_EQ(copied.code, 0) << copied;
    EXPECT_EQ(p.pasteboard.string(PasteboardType::plainText), "first copy\nsecond line");

    EXPECT_EQ(clips({"delete", "nope"}).code, 1);
    EXPECT_EQ(clips({"clear"}).code, 0);
    EXPECT_EQ(clips({"list"}).out.count('\n'), 1);
    EXPECT_EQ(clips({"delete", firstID}).code, 0);
    EXPECT_TRUE(clips({"list"}).out.isEmpty());
    EXPECT_EQ(clips({"frobnicate"}).code, 2);
}

// How the store salvages a torn index is ClipStore's; here, that the command says so once, and where.
TEST_F(ClipsCommand, ADamagedIndexIsReportedOnceWithWhereItLies) {
    for (const char* text : {"one", "two"})
        ASSERT_EQ(clips({"add"}, text).code, 0);
    writeFile(dir + "/clips.json", readFile(dir + "/clips.json").chopped(1));

    CliRun r = clips({"list"});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out.count('\n'), 2);
    EXPECT_EQ(r.err.count('\n'), 1) << r;
    EXPECT_TRUE(r.err.contains(dir) && r.err.contains("“clips-unreadable-") &&
                r.err.contains("2 clips were salvaged"))
        << r;
    r = clips({"list"});
    EXPECT_EQ(r.out.count('\n'), 2);
    EXPECT_TRUE(r.err.isEmpty()) << r;
}

} // namespace
