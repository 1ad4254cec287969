#include "ui/PreviewContent.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QMimeDatabase>
#include <QStringDecoder>
#include <QVariant>
#include <algorithm>

#include <poppler-qt6.h>

namespace zarvo::ui::PreviewLoading {

namespace {

bool looksLikeText(const QByteArray& head) {
    if (head.contains('\0')) return false;
    // The sample may end inside a character: leave the last bytes out of the check.
    QStringDecoder decoder(QStringDecoder::Utf8);
    (void)decoder.decode(head.left(qMax<qsizetype>(0, head.size() - 3)));
    return !decoder.hasError();
}

QImage image(const QString& path, int side) {
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QSize size = reader.size();
    // Decoded straight at the size shown where the format can; a huge picture is never held whole.
    if (size.isValid() && std::max(size.width(), size.height()) > side)
        reader.setScaledSize(size.scaled(side, side, Qt::KeepAspectRatio));
    QImage decoded = reader.read();
    if (decoded.width() > side || decoded.height() > side)
        decoded = decoded.scaled(side, side, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return decoded;
}

QImage firstPage(const QString& path, int side, double dpi) {
    const std::unique_ptr<Poppler::Document> document = Poppler::Document::load(path);
    if (!document || document->isLocked()) return {};
    document->setRenderHint(Poppler::Document::Antialiasing);
    document->setRenderHint(Poppler::Document::TextAntialiasing);
    const std::unique_ptr<Poppler::Page> page = document->page(0);
    if (!page) return {};
    // A page may claim any size: the resolution is lowered until the page fits `side` pixels.
    const QSizeF points = page->pageSizeF();
    const double longest = std::max(points.width(), points.height());
    if (!(longest > 0)) return {};
    const double resolution = std::min(dpi, side * 72.0 / longest);
    const QDeadlineTimer deadline(renderMilliseconds);
    return page->renderToImage(
        resolution, resolution, -1, -1, -1, -1, Poppler::Page::Rotate0, nullptr, nullptr,
        [](const QVariant& until) { return QDeadlineTimer::current().deadline() > until.toLongLong(); },
        QVariant::fromValue(deadline.deadline()));
}

} // namespace

PreviewContent::Kind kindOf(const QString& path) {
    const QFileInfo info(path);
    if (!info.isFile()) return PreviewContent::Kind::details;
    const QMimeType type = QMimeDatabase().mimeTypeForFile(info);
    if (type.inherits(QStringLiteral("application/pdf"))) return PreviewContent::Kind::pdf;
    if (type.name().startsWith(QLatin1String("image/")) &&
        QImageReader::supportedMimeTypes().contains(type.name().toLatin1()))
        return PreviewContent::Kind::image;
    if (type.inherits(QStringLiteral("text/plain"))) return PreviewContent::Kind::text;
    QFile file(path);
    if (info.size() > 0 && file.open(QIODevice::ReadOnly) && looksLikeText(file.read(4096)))
        return PreviewContent::Kind::text;
    return PreviewContent::Kind::details;
}

QString boundedText(const QByteArray& bytes, bool more) {
    const QString whole = QString::fromUtf8(bytes);
    QString text;
    text.reserve(whole.size() + 2);
    qsizetype start = 0;
    while (start <= whole.size()) {
        qsizetype end = whole.indexOf(QLatin1Char('\n'), start);
        const bool last = end < 0;
        if (last) end = whole.size();
        const qsizetype length = end - start;
        if (length > lineCharacters) {
            qsizetype cut = lineCharacters;
            if (whole.at(start + cut - 1).isHighSurrogate()) --cut;
            text += QStringView(whole).mid(start, cut);
            text += QChar(0x2026);
        } else {
            text += QStringView(whole).mid(start, length);
        }
        if (last) break;
        text += QLatin1Char('\n');
        start = end + 1;
    }
    if (more) text += QStringLiteral("\n\u2026");
    return text;
}

PreviewContent load(const QString& path, int side, double dpi) {
    PreviewContent content;
    content.kind = kindOf(path);
    side = std::clamp(side, 1, maximumSide);
    switch (content.kind) {
    case PreviewContent::Kind::image:
        content.image = image(path, side);
        break;
    case PreviewContent::Kind::pdf:
        content.image = firstPage(path, side, dpi);
        break;
    case PreviewContent::Kind::text: {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            content.kind = PreviewContent::Kind::details;
            break;
        }
        const QByteArray bytes = file.read(textBytes);
        content.text = boundedText(bytes, file.size() > textBytes);
        break;
    }
    case PreviewContent::Kind::details:
        break;
    }
    // A file that does not decode (a damaged picture, a locked PDF) is still described.
    if (content.kind != PreviewContent::Kind::text && content.image.isNull())
        content.kind = PreviewContent::Kind::details;
    return content;
}

} // namespace zarvo::ui::PreviewLoading
