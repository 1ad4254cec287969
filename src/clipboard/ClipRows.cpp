// The result rows that show clips: one clip, and the row that opens the clipboard history.

#include "clipboard/Clip.h"
#include "platform/Clock.h"
#include "platform/HotKeyFormat.h"
#include "platform/Platform.h"
#include "search/ResultItem.h"
#include "store/Settings.h"

namespace zarvo {

namespace {

QDateTime currentTime() {
    const Clock* clock = Platform::current().clock;
    return clock ? clock->now() : QDateTime::currentDateTimeUtc();
}

// The short relative form the row shows: "5 min. ago", "2 hr. ago", "3 days ago", "in 1 wk." …
QString relativeDate(const QDateTime& date, const QDateTime& now) {
    qint64 seconds = date.secsTo(now);
    const bool future = seconds < 0;
    seconds = std::abs(seconds);
    struct Unit {
        qint64 seconds;
        const char* one;
        const char* many;
    };
    static const Unit units[] = {{365 * 86400, "yr.", "yr."}, {30 * 86400, "mo.", "mo."},
                                 {7 * 86400, "wk.", "wk."},   {86400, "day", "days"},
                                 {3600, "hr.", "hr."},        {60, "min.", "min."},
                                 {1, "sec.", "sec."}};
    for (const Unit& unit : units) {
        const qint64 count = seconds / unit.seconds;
        if (count >= 1 || unit.seconds == 1) {
            const QString part =
                QStringLiteral("%1 %2").arg(count).arg(QLatin1String(count == 1 ? unit.one : unit.many));
            return future ? QStringLiteral("in ") + part : part + QStringLiteral(" ago");
        }
    }
    return {};
}

int nonEmptyLineCount(const QString& text) {
    int lines = 0;
    bool inLine = false;
    for (QChar c : text) {
        const char16_t u = c.unicode();
        const bool lineBreak =
            u == 0x0A || u == 0x0B || u == 0x0C || u == 0x0D || u == 0x85 || u == 0x2028 || u == 0x2029;
        if (lineBreak) {
            inLine = false;
        } else if (!inLine) {
            inLine = true;
            ++lines;
        }
    }
    return lines;
}

} // namespace

ResultItem ResultItem::clip(const Clip& clip) {
    ResultItem item;
    item.url = QUrl(QStringLiteral("zarvo:clip/") + Clip::idString(clip.id));
    item.source = Source::clip;
    item.clipID = clip.id;
    item.isPinned = clip.pinned;
    const QString title = clip.title();
    item.title = title.isEmpty() ? QStringLiteral("(blank)") : title;

    const QDateTime now = currentTime();
    // A date ahead of the clock (another machine's index) also reads as just now.
    const QString age =
        clip.date.msecsTo(now) < 60'000 ? QStringLiteral("just now") : relativeDate(clip.date, now);
    QStringList parts;
    if (clip.appName) parts << *clip.appName;
    parts << age;
    switch (clip.kind) {
    case Clip::Kind::text:
    case Clip::Kind::richText: {
        item.symbol =
            clip.kind == Clip::Kind::text ? QStringLiteral("text.alignleft") : QStringLiteral("doc.richtext");
        const int lines = nonEmptyLineCount(clip.text);
        if (lines >= 2) parts << QStringLiteral("%1 lines").arg(lines);
        break;
    }
    case Clip::Kind::link:
        item.symbol = QStringLiteral("link");
        break;
    case Clip::Kind::image:
        break;
    case Clip::Kind::files: {
        const QStringList paths = clip.paths();
        if (!paths.isEmpty()) item.iconPath = paths.first();
        if (clip.length >= 2) parts << QStringLiteral("%1 files").arg(clip.length);
        if (clip.length > paths.size()) parts << QStringLiteral("the first %1 kept").arg(paths.size());
        break;
    }
    }
    item.subtitle = parts.join(QStringLiteral(" \u00B7 "));
    return item;
}

} // namespace zarvo

namespace zarvo {

ResultItem ResultItem::clipboardHistory(int count) {
    ResultItem item;
    item.url = clipsURL();
    item.source = Source::clip;
    item.title = QStringLiteral("Clipboard History");
    item.symbol = QStringLiteral("doc.on.clipboard");
    const Settings& settings = Settings::shared();
    item.subtitle = QString::number(count) + QStringLiteral(" clip") +
                    (count == 1 ? QString() : QStringLiteral("s")) + QStringLiteral(" you copied \u00B7 ") +
                    HotKeyFormat::display(settings.clipHotKeyModifiers(), settings.clipHotKeyLabel()) +
                    QStringLiteral(" or clip:");
    return item;
}

} // namespace zarvo
