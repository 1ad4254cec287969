#include "platform/qt/QtImageCodec.h"

#include <QBuffer>
#include <QImageReader>
#include <QImageWriter>

namespace zarvo {

std::optional<QImage> QtImageCodec::decode(const QByteArray& data) {
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAutoTransform(true);
    QImage image = reader.read();
    if (image.isNull()) return std::nullopt;
    return image;
}

std::optional<QByteArray> QtImageCodec::encodePNG(const QImage& image, int quality) {
    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    writer.setQuality(quality);
    if (!writer.write(image)) return std::nullopt;
    return out;
}

std::optional<ImageCodec::Picture> QtImageCodec::inspect(const QByteArray& data, int side) const {
    const auto image = decode(data);
    if (!image) return std::nullopt;
    QImage small = *image;
    if (image->width() > side || image->height() > side) {
        // A fast halving pass first: smooth scaling of a 12-megapixel picture straight to 96 pixels
        // costs several times more and looks no better at this size.
        if (image->width() > side * 8 || image->height() > side * 8)
            small = image->scaled(side * 4, side * 4, Qt::KeepAspectRatio, Qt::FastTransformation);
        small = small.scaled(side, side, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
    return Picture{image->width(), image->height(), encodePNG(small)};
}

std::optional<QByteArray> QtImageCodec::toPNG(const QByteArray& data, int quality) const {
    const auto image = decode(data);
    return image ? encodePNG(*image, quality) : std::nullopt;
}

} // namespace zarvo
