#include "index/RecentlyUsed.h"

#include "index/Crawler.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QUrl>
#include <QXmlStreamReader>
#include <algorithm>

namespace zarvo::index::RecentlyUsed {

QHash<QString, quint32> read(const QString& xbelPath) {
    QHash<QString, quint32> found;
    QFile file(xbelPath);
    if (!file.open(QIODevice::ReadOnly)) return found;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement || xml.name() != QLatin1String("bookmark"))
            continue;
        const auto attrs = xml.attributes();
        const QUrl url(attrs.value(QLatin1String("href")).toString());
        if (!url.isLocalFile()) continue;
        qint64 best = 0;
        for (const char* key : {"visited", "modified", "added"}) {
            const auto when =
                QDateTime::fromString(attrs.value(QLatin1String(key)).toString(), Qt::ISODateWithMs);
            if (when.isValid()) best = std::max(best, when.toSecsSinceEpoch());
        }
        if (best > 0) found.insert(QDir::cleanPath(url.toLocalFile()), clampTime(best));
    }
    if (xml.hasError())
        qWarning("Zarvo: could not read %s: %s", qPrintable(xbelPath), qPrintable(xml.errorString()));
    return found;
}

} // namespace zarvo::index::RecentlyUsed
