#pragma once

#include "search/ResultItem.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <optional>

namespace zarvo {

// One web search engine reached by a prefix ("g: cats"). The first engine of `engines()` is the
// default engine the search pipeline offers for plain text.
struct WebSearch {
    QString name;
    // Lower-case prefixes typed before the colon.
    QStringList prefixes;
    // The search address with "%s" where the encoded text goes ("template" is a C++ keyword).
    QString urlTemplate;

    bool operator==(const WebSearch&) const = default;

    // An engine and the text to search for.
    struct Match;

    // Every engine, in the order that decides which one a prefix reaches. Built once.
    static const QList<WebSearch>& engines();
    // "prefix: text" with a known prefix and a non-empty text; anything else gives none.
    static std::optional<Match> parse(const QString& text);
    // Percent-encodes `text` for a query component; '&', '+', '=', '?', '#' and '/' are encoded too, a space
    // becomes %20. None when the text is not valid UTF-16 (a lone surrogate).
    static std::optional<QByteArray> encodeQueryValue(const QString& text);

    // The search address for `text`, or none when it cannot be formed.
    std::optional<QUrl> url(const QString& text) const;
    // The row that runs this search.
    std::optional<ResultItem> item(const QString& text, ResultItem::Source source) const;
};

struct WebSearch::Match {
    WebSearch engine;
    QString text;
    bool operator==(const Match&) const = default;
};

} // namespace zarvo
