#include "clipboard/Clip.h"
#include "fakes/JsonEdits.h"
#include "platform/Translations.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>
#include <plist/plist.h>

using namespace Qt::StringLiterals;
using namespace zarvo;

namespace {

Clip textClip(const QString& text) {
    Clip clip;
    clip.id = QUuid::createUuid();
    clip.kind = Clip::Kind::text;
    clip.text = text;
    clip.length = Clip::characterCount(text);
    clip.date = QDateTime(QDate(2024, 5, 1), QTime(12, 34, 56), Qt::UTC);
    clip.hash = Clip::contentHash("text", text.toUtf8());
    return clip;
}

} // namespace

TEST(Clip, TitlesByKind) {
    EXPECT_EQ(textClip("\n\n  hello    big\tworld  \nsecond").title(), "hello big world");
    EXPECT_EQ(textClip("  \n \t \r\n  ").title(), QString());
    // Unicode line and paragraph separators end a line; a no-break space is trimmed like a space.
    EXPECT_EQ(textClip("\u2028\u00A0first\u2029second").title(), "first");
    EXPECT_EQ(textClip(QString(300, QLatin1Char('x'))).title().size(), 200);

    Clip image = textClip({});
    image.kind = Clip::Kind::image;
    EXPECT_EQ(image.title(), "Image");
    image.imageSize = Clip::Size{1024, 768.9};
    EXPECT_EQ(image.title(), "Image 1024\u00D7768");
    image.imageSize = Clip::Size{1e300, 5}; // only an edited index can hold this; it must not break the title
    EXPECT_EQ(image.title(), "Image");
}

// In another language the row shows the title translated, while zarvo-cli's scripts keep reading English.
TEST(Clip, ShownTitleFollowsTheLanguageAndTitleStaysEnglish) {
    Clip files = textClip("/a/report.pdf\n/b/x.png\n/c/y");
    files.kind = Clip::Kind::files;
    ASSERT_EQ(Translations::install({QStringLiteral(ZARVO_TRANSLATIONS_DIR)}, {"de"}), "de");
    const QString shown = files.shownTitle(), title = files.title();
    Translations::install({QStringLiteral(ZARVO_TRANSLATIONS_DIR)}, {"en"});
    EXPECT_EQ(shown, "report.pdf und 2 weitere");
    EXPECT_EQ(title, "report.pdf and 2 more");
    EXPECT_EQ(files.shownTitle(), title);
    files.text.clear();
    EXPECT_EQ(files.title(), "Files");
    EXPECT_TRUE(textClip("/a\n/b").paths().isEmpty()) << "only a files clip has paths";
}

TEST(Clip, CharactersAndHash) {
    EXPECT_EQ(Clip::characterCount("a\r\nb"), 3);
    // e + combining acute, a flag of two regional indicators, a family emoji joined by ZWJ: three characters.
    const QString clusters = "e\u0301\U0001F1E9\U0001F1EA\U0001F468\u200D\U0001F469\u200D\U0001F467";
    EXPECT_EQ(Clip::characterCount(clusters), 3);
    EXPECT_EQ(Clip::prefix(clusters, 2), "e\u0301\U0001F1E9\U0001F1EA");
    const QString hash = Clip::contentHash("text", "abc");
    EXPECT_EQ(hash, "079c78de91949fcda96e4e0c8427e71e"); // SHA-256 of "textabc"
    EXPECT_NE(Clip::contentHash("files", "abc"), hash);
}

TEST(ClipIndex, RoundTripKeepsMemberOrderAndWholeSeconds) {
    Clip a = textClip(u"quote \" backslash \\ control \x01 newline\n"_s);
    a.date = QDateTime(QDate(2024, 5, 1), QTime(12, 34, 56, 789), Qt::UTC);
    a.appName = "Editor";
    a.bundleID = "org.example.editor";
    Clip b = textClip({});
    b.kind = Clip::Kind::image;
    b.imageSize = Clip::Size{1024, 768.5};
    b.pinned = true;
    b.size = 123456789012;

    const QByteArray json = ClipIndex::encode({a, b});
    EXPECT_FALSE(json.contains('\n'));
    EXPECT_TRUE(
        json.startsWith("[{\"id\":\"" + Clip::idString(a.id).toLatin1() + "\",\"kind\":\"text\",\"text\":"));
    const qsizetype order[] = {json.indexOf("\"length\""),   json.indexOf("\"date\""),
                               json.indexOf("\"pinned\""),   json.indexOf("\"appName\""),
                               json.indexOf("\"bundleID\""), json.indexOf("\"size\""),
                               json.indexOf("\"hash\"")};
    for (size_t i = 1; i < std::size(order); ++i)
        EXPECT_LT(order[i - 1], order[i]);
    EXPECT_TRUE(json.contains("\"date\":\"2024-05-01T12:34:56Z\""));
    EXPECT_TRUE(json.contains("\"imageSize\":[1024,768.5]"));

    const auto decoded = ClipIndex::decode(json);
    ASSERT_TRUE(decoded.has_value());
    ASSERT_EQ(decoded->size(), 2);
    Clip expected = a;
    expected.date = QDateTime(QDate(2024, 5, 1), QTime(12, 34, 56), Qt::UTC);
    EXPECT_EQ(decoded->at(0), expected);
    EXPECT_EQ(decoded->at(1), b);
    // Another JSON writer's output (sorted keys) reads the same.
    EXPECT_EQ(ClipIndex::decode(QJsonDocument::fromJson(json).toJson()), decoded);
}

TEST(ClipIndex, OptionalMembersAndWholeIndexFailure) {
    const QByteArray minimal = R"([{"hash":"h","date":"2024-05-01T12:34:56Z","text":"héllo","kind":"link",
        "id":"0d6c8f7e-1b2a-4c3d-9e8f-0a1b2c3d4e5f","length":null,"unknown":[1,2]}])";
    const auto clips = ClipIndex::decode(minimal);
    ASSERT_TRUE(clips.has_value());
    const Clip& c = clips->first();
    EXPECT_EQ(c.kind, Clip::Kind::link);
    EXPECT_EQ(c.length, 5);
    EXPECT_FALSE(c.pinned);
    EXPECT_EQ(c.size, 0);
    EXPECT_FALSE(c.appName || c.bundleID || c.imageSize);
    EXPECT_EQ(Clip::idString(c.id), "0D6C8F7E-1B2A-4C3D-9E8F-0A1B2C3D4E5F");

    // Each of these spoils the whole index, not just one clip.
    const QJsonObject good = QJsonDocument::fromJson(minimal).array()[0].toObject();
    const auto withMember = [&](const char* key, const QJsonValue& value) {
        return zarvo::testing::withMember(QJsonArray{good, good}, 1, key, value);
    };
    const std::pair<const char*, QJsonValue> spoiling[] = {{"kind", "video"},
                                                           {"date", "2024-05-01T12:34:56.5Z"},
                                                           {"date", "2024-05-01 12:34:56"},
                                                           {"id", "not-a-uuid"},
                                                           {"hash", QJsonValue()},
                                                           {"text", QJsonValue::Undefined},
                                                           {"length", 2.5},
                                                           {"pinned", "yes"},
                                                           {"imageSize", QJsonArray{1}}};
    for (const auto& [key, value] : spoiling)
        EXPECT_FALSE(ClipIndex::decode(withMember(key, value))) << key;
    EXPECT_TRUE(ClipIndex::decode(withMember("imageSize", QJsonArray{1, 2})));
    EXPECT_FALSE(ClipIndex::decode("{}"));
    EXPECT_FALSE(ClipIndex::decode("[1]"));
    EXPECT_FALSE(ClipIndex::decode(minimal.left(minimal.size() / 2)));
    EXPECT_TRUE(ClipIndex::decode("[]").has_value());
}

TEST(ClipData, BinaryPropertyListRoundTripAndRejects) {
    PasteboardItem first;
    first.setString("public.utf8-plain-text", "hello");
    first.setData("public.rtf", QByteArray("{\\rtf1 hello}"));
    PasteboardItem second;
    second.setData("public.png", QByteArray("\x89PNG\0\x01\x02", 7));
    const QByteArray bytes = ClipData::encode({first, second});
    EXPECT_TRUE(bytes.startsWith("bplist00"));
    const auto items = ClipData::decode(bytes);
    ASSERT_TRUE(items.has_value());
    ASSERT_EQ(items->size(), 2);
    EXPECT_EQ(items->at(0).data("public.rtf"), QByteArray("{\\rtf1 hello}"));
    EXPECT_EQ(items->at(0).string("public.utf8-plain-text"), "hello");
    EXPECT_EQ(items->at(1).data("public.png"), QByteArray("\x89PNG\0\x01\x02", 7));

    EXPECT_FALSE(ClipData::decode("<?xml version=\"1.0\"?><plist><array/></plist>"));
    for (qsizetype cut = 0; cut < bytes.size(); cut += 3) // from nothing at all
        EXPECT_FALSE(ClipData::decode(bytes.left(cut)).has_value()) << cut;
    // Right format, wrong shape: a dictionary holding a string is not a kept representation.
    plist_t root = plist_new_array();
    plist_t dict = plist_new_dict();
    plist_dict_set_item(dict, "public.utf8-plain-text", plist_new_string("hello"));
    plist_array_append_item(root, dict);
    char* buffer = nullptr;
    uint32_t length = 0;
    plist_to_bin(root, &buffer, &length);
    const QByteArray wrongShape(buffer, qsizetype(length));
    plist_to_bin_free(buffer);
    plist_free(root);
    EXPECT_FALSE(ClipData::decode(wrongShape).has_value());
}
