#pragma once

#include "platform/ImageCodec.h"

#include <QImage>

namespace zarvo {

// Shared by every back end and the views: pictures through Qt's image readers and writers (PNG, JPEG, TIFF
// with the image-formats plugins).
class QtImageCodec : public ImageCodec {
public:
    std::optional<Picture> inspect(const QByteArray& data, int side) const override;
    std::optional<QByteArray> toPNG(const QByteArray& data, int quality) const override;

    // Decodes with the picture's orientation applied. Qt's reader refuses pictures beyond its
    // allocation limit.
    static std::optional<QImage> decode(const QByteArray& data);
    static std::optional<QByteArray> encodePNG(const QImage& image, int quality = -1);
};

} // namespace zarvo
