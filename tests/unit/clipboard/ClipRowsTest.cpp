#include "clipboard/Clip.h"
#include "fakes/FakePlatform.h"
#include "search/ResultItem.h"

#include <gtest/gtest.h>

using namespace zarvo;

TEST(ClipRows, ClipRowsByKind) {
    fakes::FakePlatform p;
    Clip clip;
    clip.id = QUuid::fromString(QStringLiteral("0d6c8f7e-1b2a-4c3d-9e8f-0a1b2c3d4e5f"));
    clip.text = QStringLiteral("first\n\n\r\nsecond\r\n");
    clip.date = p.clock.now().addSecs(-30);
    clip.appName = QStringLiteral("Editor");
    clip.pinned = true;
    ResultItem row = ResultItem::clip(clip);
    EXPECT_EQ(row.url, QUrl(QStringLiteral("zarvo:clip/0D6C8F7E-1B2A-4C3D-9E8F-0A1B2C3D4E5F")));
    EXPECT_EQ(row.historyKey(), QStringLiteral("clip:0D6C8F7E-1B2A-4C3D-9E8F-0A1B2C3D4E5F"));
    EXPECT_EQ(row.source, ResultItem::Source::clip);
    EXPECT_TRUE(row.isPinned);
    EXPECT_EQ(row.title, QStringLiteral("first"));
    EXPECT_EQ(row.symbol, QStringLiteral("text.alignleft"));
    EXPECT_EQ(row.subtitle, QStringLiteral("Editor \u00B7 just now \u00B7 2 lines"));

    clip.text = QStringLiteral("\n  only one line  \n\n");
    clip.kind = Clip::Kind::richText;
    clip.appName.reset();
    clip.date = p.clock.now().addSecs(-5 * 60 - 10);
    row = ResultItem::clip(clip);
    EXPECT_EQ(row.symbol, QStringLiteral("doc.richtext"));
    EXPECT_EQ(row.subtitle, QStringLiteral("5 min. ago"));

    clip.text = QStringLiteral("   ");
    clip.date = p.clock.now().addDays(-3);
    row = ResultItem::clip(clip);
    EXPECT_EQ(row.title, QStringLiteral("(blank)"));
    EXPECT_EQ(row.subtitle, QStringLiteral("3 days ago"));

    clip.kind = Clip::Kind::link;
    clip.text = QStringLiteral("https://example.org");
    clip.date = p.clock.now().addSecs(-2 * 3600);
    row = ResultItem::clip(clip);
    EXPECT_EQ(row.symbol, QStringLiteral("link"));
    EXPECT_EQ(row.subtitle, QStringLiteral("2 hr. ago"));

    clip.kind = Clip::Kind::files;
    clip.text = QStringLiteral("/a/one.pdf");
    clip.length = 1;
    row = ResultItem::clip(clip);
    EXPECT_EQ(row.iconPath, QStringLiteral("/a/one.pdf"));
    EXPECT_FALSE(row.symbol.has_value());
    EXPECT_EQ(row.subtitle, QStringLiteral("2 hr. ago"));
    clip.text = QStringLiteral("/a/one.pdf\n/b/two");
    clip.length = 2;
    EXPECT_EQ(ResultItem::clip(clip).subtitle, QStringLiteral("2 hr. ago \u00B7 2 files"));

    clip.kind = Clip::Kind::image;
    clip.text.clear();
    clip.imageSize = Clip::Size{640, 480};
    row = ResultItem::clip(clip);
    EXPECT_EQ(row.title, QStringLiteral("Image 640\u00D7480"));
    EXPECT_FALSE(row.symbol.has_value() || row.iconPath.has_value());
}
