// The result rows that show clips: one clip, and the row that opens the clipboard history.

#include "clipboard/Clip.h"
#include "platform/Clock.h"
#include "search/ResultItem.h"

#include <QCoreApplication>
#include <algorithm>
#include <limits>

namespace zarvo {

namespace {

QDateTime currentTime(const Clock* clock) {
    return clock ? clock->now() : QDateTime::currentDateTimeUtc();
}

// The short relative form the row shows: "5 min. ago", "2 hr. ago", "3 days ago", "in 1 wk." …
QString relativeDate(const QDateTime& date, const QDateTime& now) {
    qint64 seconds = date.secsTo(now);
    const bool future = seconds < 0;
    seconds = std::abs(seconds);
    struct Unit {
        qint64 seconds;
        const char* past;
        const char* future;
    };
    static const Unit units[] = {
        {365 * 86400, QT_TRANSLATE_N_NOOP("ClipRows", "%Ln yr. ago"),
         QT_TRANSLATE_N_NOOP("ClipRows", "in %Ln yr.")},
        {30 * 86400, QT_TRANSLATE_N_NOOP("ClipRows", "%Ln mo. ago"),
         QT_TRANSLATE_N_NOOP("ClipRows", "in %Ln mo.")},
        {7 * 86400, QT_TRANSLATE_N_NOOP("ClipRows", "%Ln wk. ago"),
         QT_TRANSLATE_N_NOOP("ClipRows", "in %Ln wk.")},
        {86400, QT_TRANSLATE_N_NOOP("ClipRows", "%Ln day(s) ago"),
         QT_TRANSLATE_N_NOOP("ClipRows", "in %Ln day(s)")},
        {3600, QT_TRANSLATE_N_NOOP("ClipRows", "%Ln hr. ago"), QT_TRANSLATE_N_NOOP("ClipRows", "in %Ln hr.")},
        {60, QT_TRANSLATE_N_NOOP("ClipRows", "%Ln min. ago"), QT_TRANSLATE_N_NOOP("ClipRows", "in %Ln min.")},
        {1, QT_TRANSLATE_N_NOOP("ClipRows", "%Ln sec. ago"), QT_TRANSLATE_N_NOOP("ClipRows", "in %Ln sec.")}};
    for (const Unit& unit : units) {
        const qint64 count = seconds / unit.seconds;
        if (count >= 1 || unit.seconds == 1) {
            const int n = int(std::min<qint64>(count, std::numeric_limits<int>::max()));
            return QCoreApplication::translate("ClipRows", future ? unit.future : unit.past, nullptr, n);
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

ResultItem ResultItem::clip(const Clock* clock, const Clip& clip) {
    ResultItem item;
    item.url = QUrl(QStringLiteral("zarvo:clip/") + Clip::idString(clip.id));
    item.source = Source::clip;
    item.clipID = clip.id;
    item.isPinned = clip.pinned;
    const QString title = clip.shownTitle();
    item.title = title.isEmpty() ? QCoreApplication::translate("ClipRows", "(blank)") : title;

    const QDateTime now = currentTime(clock);
    // A date ahead of the clock (another machine's index) also reads as just now.
    const QString age = clip.date.msecsTo(now) < 60'000 ? QCoreApplication::translate("ClipRows", "just now")
                                                        : relativeDate(clip.date, now);
    QStringList parts;
    if (clip.appName) parts << *clip.appName;
    parts << age;
    switch (clip.kind) {
    case Clip::Kind::text:
    case Clip::Kind::richText: {
        item.symbol =
            clip.kind == Clip::Kind::text ? QStringLiteral("text.alignleft") : QStringLiteral("doc.richtext");
        const int lines = nonEmptyLineCount(clip.text);
        if (lines >= 2) parts << QCoreApplication::translate("ClipRows", "%Ln lines", nullptr, lines);
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
        if (clip.length >= 2)
            parts << QCoreApplication::translate("ClipRows", "%Ln files", nullptr, int(clip.length));
        //: Of the files a clip holds, how many were kept.
        if (clip.length > paths.size())
            parts << QCoreApplication::translate("ClipRows", "the first %Ln kept", nullptr,
                                                 int(paths.size()));
        break;
    }
    }
    item.subtitle = parts.join(QStringLiteral(" \u00B7 "));
    return item;
}

} // namespace zarvo

namespace zarvo {

ResultItem ResultItem::clipboardHistory(int count, const QString& clipHotKey) {
    ResultItem item;
    item.url = clipsURL();
    item.source = Source::clip;
    item.title = QCoreApplication::translate("ClipRows", "Clipboard History");
    item.symbol = QStringLiteral("doc.on.clipboard");
    //: %1 is the clipboard hot key. Keep "clip:": it is what the user types.
    item.subtitle =
        QCoreApplication::translate("ClipRows", "%Ln clip(s) you copied \u00B7 %1 or clip:", nullptr, count)
            .arg(clipHotKey);
    return item;
}

} // namespace zarvo
