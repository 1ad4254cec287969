#include "clipboard/Clip.h"
#include "fakes/FakePlatform.h"
#include "search/ResultItem.h"

#include <gtest/gtest.h>

using namespace zarvo;

TEST(ClipRows, ClipRowsByKind) {
    fakes::FakePlatform p;
    Clip clip;
    clip.id = QUuid::fromString("0d6c8f7e-1b2a-4c3d-9e8f-0a1b2c3d4e5f");
    clip.pinned = true;
    const ResultItem pinned = ResultItem::clip(&p.clock, clip);
    EXPECT_EQ(pinned.url, QUrl("zarvo:clip/0D6C8F7E-1B2A-4C3D-9E8F-0A1B2C3D4E5F"));
    EXPECT_EQ(pinned.historyKey(), "clip:0D6C8F7E-1B2A-4C3D-9E8F-0A1B2C3D4E5F");
    EXPECT_EQ(pinned.source, ResultItem::Source::clip);
    EXPECT_TRUE(pinned.isPinned);

    struct Row {
        Clip::Kind kind;
        const char* text;
        const char* appName; // null: none, as for symbol and iconPath
        qint64 secondsAgo;
        int length;
        const char *title, *subtitle, *symbol, *iconPath;
    };
    const Row rows[] = {
        {Clip::Kind::text, "first\n\n\r\nsecond\r\n", "Editor", 30, 0, "first",
         "Editor \u00B7 just now \u00B7 2 lines", "text.alignleft", nullptr},
        {Clip::Kind::richText, "\n  only one line  \n\n", nullptr, 5 * 60 + 10, 0, "only one line",
         "5 min. ago", "doc.richtext", nullptr},
        {Clip::Kind::richText, "   ", nullptr, 3 * 86400, 0, "(blank)", "3 days ago", "doc.richtext",
         nullptr},
        {Clip::Kind::link, "https://example.org", nullptr, 7200, 0, "https://example.org", "2 hr. ago",
         "link", nullptr},
        {Clip::Kind::files, "/a/one.pdf", nullptr, 7200, 1, "one.pdf", "2 hr. ago", nullptr, "/a/one.pdf"},
        {Clip::Kind::files, "/a/one.pdf\n/b/two", nullptr, 7200, 2, "one.pdf and 1 more",
         "2 hr. ago \u00B7 2 files", nullptr, "/a/one.pdf"},
        {Clip::Kind::image, "", nullptr, 7200, 0, "Image 640\u00D7480", "2 hr. ago", nullptr, nullptr},
    };
    const auto optional = [](const char* s) {
        return s ? std::optional(QString::fromUtf8(s)) : std::nullopt;
    };
    for (const Row& r : rows) {
        clip.kind = r.kind;
        clip.text = QString::fromUtf8(r.text);
        clip.appName = optional(r.appName);
        clip.date = p.clock.now().addSecs(-r.secondsAgo);
        clip.length = r.length;
        clip.imageSize = r.kind == Clip::Kind::image ? std::optional(Clip::Size{640, 480}) : std::nullopt;
        const ResultItem row = ResultItem::clip(&p.clock, clip);
        EXPECT_EQ(row.title, QString::fromUtf8(r.title)) << r.text;
        EXPECT_EQ(row.subtitle, optional(r.subtitle)) << r.text;
        EXPECT_EQ(row.symbol, optional(r.symbol)) << r.text;
        EXPECT_EQ(row.iconPath, optional(r.iconPath)) << r.text;
    }
}
