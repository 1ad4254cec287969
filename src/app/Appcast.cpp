#include "app/Appcast.h"

#include "app/Installer.h"

#include <QCoreApplication>
#include <QTextDocumentFragment>
#include <QXmlStreamReader>
#include <optional>

namespace zarvo::app::Appcast {

namespace {

const QString kSparkle = QStringLiteral("http://www.andymatuschak.org/xml-namespaces/sparkle");

struct Reading {
    Item item;
    std::optional<QString> os;
    bool hasEnclosure = false;
};

QString attribute(const QXmlStreamAttributes& attributes, const QString& name) {
    if (attributes.hasAttribute(kSparkle, name)) return attributes.value(kSparkle, name).toString();
    return {};
}

} // namespace

std::variant<Item, QString> newest(const QByteArray& feed, const QString& os) {
    if (feed.size() > maximumFeedBytes)
        return QCoreApplication::translate("Appcast", "The update feed is larger than %1 bytes.")
            .arg(maximumFeedBytes);
    QXmlStreamReader xml(feed);
    std::optional<Item> best;
    std::optional<Reading> current;
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::DTD)
            return QCoreApplication::translate("Appcast",
                                               "The update feed declares a DTD, which is not allowed.");
        if (token == QXmlStreamReader::StartElement) {
            const QStringView name = xml.name();
            if (name == QLatin1String("item") && xml.namespaceUri().isEmpty()) {
                current = Reading{};
            } else if (current && name == QLatin1String("enclosure")) {
                const QXmlStreamAttributes a = xml.attributes();
                const QString enclosureOs = attribute(a, QStringLiteral("os"));
                if (enclosureOs != os) continue;
                current->hasEnclosure = true;
                current->item.url = QUrl(a.value(QLatin1String("url")).toString());
                current->item.length = a.value(QLatin1String("length")).toLongLong();
                current->item.signature =
                    QByteArray::fromBase64(attribute(a, QStringLiteral("edSignature")).toLatin1());
                const QString build = attribute(a, QStringLiteral("version"));
                if (!build.isEmpty()) current->item.build = build;
                const QString version = attribute(a, QStringLiteral("shortVersionString"));
                if (!version.isEmpty()) current->item.version = version;
            } else if (current && xml.namespaceUri() == kSparkle && name == QLatin1String("version")) {
                current->item.build = xml.readElementText().trimmed();
            } else if (current && xml.namespaceUri() == kSparkle &&
                       name == QLatin1String("shortVersionString")) {
                current->item.version = xml.readElementText().trimmed();
            } else if (current && name == QLatin1String("description")) {
                // Notes may be HTML; only their text is shown.
                current->item.notes =
                    QTextDocumentFragment::fromHtml(xml.readElementText()).toPlainText().trimmed();
            }
        } else if (token == QXmlStreamReader::EndElement && current && xml.name() == QLatin1String("item") &&
                   xml.namespaceUri().isEmpty()) {
            if (current->hasEnclosure && !current->item.build.isEmpty()) {
                if (current->item.version.isEmpty()) current->item.version = current->item.build;
                if (!best || Installer::compareBuilds(current->item.build, best->build) > 0)
                    best = current->item;
            }
            current.reset();
        }
    }
    if (xml.hasError())
        return QCoreApplication::translate("Appcast", "The update feed is not readable: %1.")
            .arg(xml.errorString());
    if (!best) return QCoreApplication::translate("Appcast", "The update feed offers no download for Linux.");
    return *best;
}

QString plainText(const QString& text, qsizetype maximumChars, bool keepLines) {
    QString out;
    out.reserve(std::min(text.size(), maximumChars + 1));
    for (const QChar c : text) {
        if (out.size() > maximumChars) break;
        const char16_t u = c.unicode();
        if (keepLines && u == u'\n') {
            out += c;
        } else if (u == u'\t' || u == u'\n' || u == u'\r') {
            out += QLatin1Char(' ');
        } else if (c.category() == QChar::Other_Control || c.category() == QChar::Other_Format ||
                   u == 0x2028 || u == 0x2029) {
            // Control characters, and the invisible format ones that reorder or hide text.
            continue;
        } else {
            out += c;
        }
    }
    if (out.size() > maximumChars) {
        out.truncate(maximumChars);
        // A cut surrogate pair would show as a broken glyph.
        if (!out.isEmpty() && out.back().isHighSurrogate()) out.chop(1);
        out += QChar(0x2026);
    }
    return out;
}

} // namespace zarvo::app::Appcast
