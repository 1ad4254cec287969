#include "ui/PreviewContent.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QMimeDatabase>
#include <QStringDecoder>
#include <algorithm>

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

// Set once by the process before any preview loads; read on the loading threads.
std::function<QImage(const QString&, int, double)>& pdfRenderer() {
    static std::function<QImage(const QString&, int, double)> renderer;
    return renderer;
}

} // namespace

void setPdfRenderer(std::function<QImage(const QString& path, int side, double dpi)> render) {
    pdfRenderer() = std::move(render);
}

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
        if (pdfRenderer()) content.image = pdfRenderer()(path, side, dpi);
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
