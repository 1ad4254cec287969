#include "sources/NetworkPath.h"

#include <QStringList>

namespace zarvo::NetworkPath {

namespace {

std::optional<QUrl> parsed(const QString& text) {
    QUrl url(text, QUrl::StrictMode);
    if (!url.isValid() || url.scheme().isEmpty()) return std::nullopt;
    return url;
}

std::optional<QUrl> fromUNC(QStringView rest) {
    const QList<QStringView> pieces = rest.split(u'\\', Qt::SkipEmptyParts);
    if (pieces.isEmpty()) return std::nullopt;
    // The server goes in as typed (it may carry a user or a port); share and folders are path pieces.
    // A '?' or '#' would end the server name inside the address and connect to nothing.
    const QStringView server = pieces.first();
    if (server.contains(u'?') || server.contains(u'#')) return std::nullopt;
    QString address = QStringLiteral("smb://") + server.toString();
    for (qsizetype i = 1; i < pieces.size(); ++i) {
        address += u'/';
        address += QString::fromLatin1(QUrl::toPercentEncoding(pieces[i].toString(), "!$&'()*+,/:=@"));
    }
    auto url = parsed(address);
    if (!url || url->host().isEmpty()) return std::nullopt;
    return url;
}

} // namespace

const QStringList& schemes() {
    static const QStringList list = {QStringLiteral("smb"), QStringLiteral("afp"),  QStringLiteral("nfs"),
                                     QStringLiteral("ftp"), QStringLiteral("sftp"), QStringLiteral("vnc"),
                                     QStringLiteral("cifs")};
    return list;
}

std::optional<QUrl> url(const QString& text) {
    const QString trimmed = text.trimmed();
    if (trimmed.startsWith(QLatin1String("\\\\"))) return fromUNC(QStringView(trimmed).mid(2));

    const qsizetype separator = trimmed.indexOf(QLatin1String("://"));
    if (separator < 0) return std::nullopt;
    if (!schemes().contains(trimmed.left(separator).toLower())) return std::nullopt;
    if (auto url = parsed(trimmed)) return url;
    // A typed address with spaces (smb://nas/My Share): encode what a URL cannot carry raw and try again.
    return parsed(QString::fromLatin1(QUrl::toPercentEncoding(trimmed, "!$&'()*+,/:;=?@")));
}

} // namespace zarvo::NetworkPath
