#pragma once

#include "search/ResultItem.h"

#include <QList>
#include <QString>
#include <QUrl>
#include <optional>

namespace zarvo {

class HotKeyManager;
class Settings;
struct Platform;

// What the manual is spelled with: the desktop's words, the keys as set and, where known, as they work.
struct HelpContext {
    const Platform& platform;
    const Settings& settings;
    // None: the system-wide keys are named as set.
    const HotKeyManager* hotKeys = nullptr;
};

// One entry of the searchable manual that "?" shows.
struct HelpTopic {
    QString title;
    QString detail;
    QString symbol;
    // The query that opening the topic types into the box, the settings sentinel, or none.
    std::optional<QString> example;

    bool operator==(const HelpTopic&) const = default;

    // Every topic, in manual order, in this platform's words and with the hot keys as registered.
    static QList<HelpTopic> all(const HelpContext& context);
    // Topics whose title fuzzily matches the query or whose detail contains it, best first; all for
    // an empty query.
    static QList<HelpTopic> matches(const HelpContext& context, const QString& query);
};

namespace Help {

// The example value that means "open the settings window"; no typed text can equal it.
const QString& settingsSentinel();
// Whether the trimmed query text asks for help: it starts with "?" or is the word help.
bool isHelpQuery(const QString& text);
// The words after "?" (trimmed of spaces and tabs); empty for "help".
QString words(const QString& text);
// zarvo:help/ followed by the title with everything but letters and digits percent-escaped.
QUrl url(const QString& title);
// The row of one topic.
ResultItem item(const HelpTopic& topic);
// The help list for a help query: one row per matching topic, then the keyword rows for the words.
QList<ResultItem> rows(const HelpContext& context, const QString& text);

} // namespace Help

} // namespace zarvo
