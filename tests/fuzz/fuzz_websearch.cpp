// Engine prefixes and the search addresses built from arbitrary text.
#include "FuzzSupport.h"
#include "sources/WebSearch.h"

#include <QUrlQuery>

using namespace zarvo;

namespace {

// The bytes the engine receives from the address. Compared as UTF-8 because Qt's decoder would turn
// noncharacters such as U+FFFF into replacement characters on the way back.
QByteArray searchBytes(const WebSearch& engine, const QUrl& url) {
    const qsizetype marker = engine.urlTemplate.indexOf(QLatin1String("%s"));
    const QString beforeMarker = engine.urlTemplate.left(marker);
    const qsizetype queryStart = beforeMarker.indexOf(u'?');
    if (queryStart < 0) { // the text is the end of the path
        const QString prefix = QUrl(beforeMarker).path();
        return QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).mid(prefix.size()).toLatin1());
    }
    const QString key = beforeMarker.mid(
        beforeMarker.lastIndexOf(u'&') < queryStart ? queryStart + 1 : beforeMarker.lastIndexOf(u'&') + 1);
    return QByteArray::fromPercentEncoding(
        QUrlQuery(url).queryItemValue(key.chopped(1), QUrl::FullyEncoded).toLatin1());
}

void check(const QString& text) {
    if (auto match = WebSearch::parse(text)) {
        fuzz::require(!match->text.isEmpty(), "a match has a search text", text);
        fuzz::require(match->engine.prefixes.contains(text.left(text.indexOf(u':')).toLower()),
                      "the prefix is one of the engine's", text);
        fuzz::require(text.contains(match->text), "the search text comes from the input", text);
    }
    for (const WebSearch& engine : WebSearch::engines()) {
        const auto item = engine.item(text, ResultItem::Source::web);
        fuzz::require(item.has_value() == text.isValidUtf16(), "every well-formed text makes a row", text);
        if (!item) continue;
        fuzz::require(item->url.isValid() && item->url.scheme() == QLatin1String("https"), "an https address",
                      text);
        fuzz::require(!item->url.host().isEmpty() && item->subtitle == item->url.host(), "the host is shown",
                      text);
        fuzz::require(searchBytes(engine, item->url) == text.toUtf8(),
                      "the address carries the text unchanged", text);
        fuzz::require(!item->url.toString(QUrl::FullyEncoded).contains(u' '), "no raw spaces", text);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return fuzz::checkTexts(data, size, 4096, check);
}
