#include "sources/ShellCommand.h"

#include <QUrlQuery>

namespace zarvo::ShellCommand {

QUrl url(const QString& command) {
    QUrl url;
    url.setScheme(QStringLiteral("zarvo"));
    url.setPath(QStringLiteral("run"));
    QUrlQuery query;
    // Encode '+' and '&' ourselves: QUrlQuery would leave them ambiguous in a query value.
    QString value = QString::fromUtf8(QUrl::toPercentEncoding(command, "!$'()*,;:@/?-._~"));
    query.setQueryItems({{QStringLiteral("cmd"), value}});
    url.setQuery(query.toString(QUrl::FullyEncoded), QUrl::StrictMode);
    return url;
}

} // namespace zarvo::ShellCommand
