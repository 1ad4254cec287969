#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>
#include <variant>

namespace zarvo::app {

// The update feed: an RSS document in the appcast form (the `sparkle:` namespace), of which only the
// newest Linux download matters here.
namespace Appcast {

inline constexpr qint64 maximumFeedBytes = 1024 * 1024;

// One published build with its download.
struct Item {
    QString build;   // sparkle:version
    QString version; // sparkle:shortVersionString (the build when absent)
    QString notes;   // the item's description, as plain text
    QUrl url;
    qint64 length = 0;
    QByteArray signature; // the Ed25519 signature of the whole download (decoded from base64)
    bool operator==(const Item&) const = default;
};

// The item of the highest build among those with a download for `os`; an error text when the feed
// is not readable, declares a DTD (no entity of a feed is ever expanded), or offers no such download.
std::variant<Item, QString> newest(const QByteArray& feed, const QString& os = QStringLiteral("linux"));

// A text that came from a feed or a server, made fit to show: control and direction-override
// characters removed (line breaks kept where `keepLines`), at most `maximumChars` characters.
QString plainText(const QString& text, qsizetype maximumChars, bool keepLines = false);

} // namespace Appcast

} // namespace zarvo::app
