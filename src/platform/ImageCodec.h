#pragma once

#include <QByteArray>
#include <optional>

namespace zarvo {

// Decodes and encodes the pictures of image copies. The core keeps pictures as bytes; the image library
// that reads them (Qt Gui on Linux) belongs to the back end, so a process that shows no pictures never
// loads it. Thread-safe: copies are prepared on a worker queue.
class ImageCodec {
public:
    virtual ~ImageCodec() = default;

    // The picture's size in pixels and a PNG of at most `side` pixels a side, as it is shown upright.
    struct Picture {
        int width = 0;
        int height = 0;
        std::optional<QByteArray> thumbnail;
    };

    // Reads a picture of any supported format, with its orientation applied; none when it cannot be read.
    virtual std::optional<Picture> inspect(const QByteArray& data, int side) const = 0;
    // The picture as PNG, upright; `quality` is the PNG writer's (lower compresses faster). None when it
    // cannot be read or written.
    virtual std::optional<QByteArray> toPNG(const QByteArray& data, int quality) const = 0;
};

} // namespace zarvo
