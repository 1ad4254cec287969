#pragma once

#include "clipboard/ClipStore.h"
#include "fakes/FakePlatform.h"
#include "fakes/Files.h"
#include "store/UserDefaults.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <gtest/gtest.h>

// What the clip store tests share: pasteboard items, pictures, files and a store on the fakes.
namespace zarvo::cliptest {

inline PasteboardItem item(std::initializer_list<std::pair<QString, QByteArray>> reps) {
    PasteboardItem out;
    for (const auto& [type, bytes] : reps)
        out.setData(type, bytes);
    return out;
}

inline QByteArray
imageBytes(int width, int height, const char* format,
           QImageIOHandler::Transformations transform = QImageIOHandler::TransformationNone) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x % 256, y % 256, 128));
    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setTransformation(transform);
    writer.write(image);
    return out;
}

// The size of a stored picture's bytes; empty when there are none or they cannot be read.
inline QSize pictureSize(const std::optional<QByteArray>& bytes) {
    QImage image;
    if (bytes) image.loadFromData(*bytes);
    return image.size();
}

using zarvo::testing::readFile;
using zarvo::testing::writeFile;

inline QStringList texts(const QList<Clip>& clips) {
    QStringList out;
    for (const Clip& c : clips)
        out << c.text;
    return out;
}

// A store on the fakes, in a directory of the test's temporary home.
struct StoreFixture {
    fakes::FakePlatform p;
    ClipPolicy settings;
    QString dir = p.root.path() + "/clips";
    UserDefaults defaults{p.defaults, "com.velorin.zarvo.tests"};

    ClipStore::Services services() {
        ClipStore::Services s = ClipStore::Services::fromPlatform(p.platform, nullptr);
        s.policy = [this] { return settings; };
        s.legacyDefaults = &defaults;
        s.webURL = [](const QString& text) -> std::optional<QUrl> {
            if (text.startsWith(QLatin1String("https://")) || text.startsWith(QLatin1String("http://")))
                return QUrl(text);
            return std::nullopt;
        };
        s.expandPath = [this](const QString& text) {
            return text.startsWith(QLatin1Char('~')) ? p.home() + text.mid(1) : text;
        };
        return s;
    }
    std::unique_ptr<ClipStore> open(bool migrate = false) {
        return std::make_unique<ClipStore>(dir, &p.pasteboard, migrate, services());
    }
    void copy(ClipStore& store, const QList<PasteboardItem>& items) {
        p.pasteboard.copyFromElsewhere(items);
        settle(store);
    }
    static void settle(ClipStore& store) {
        store.poll();
        store.flush();
    }
    // The types kept of a clip's first item; "unreadable" when its data cannot be read.
    static QStringList keptTypes(ClipStore& store, const QUuid& id) {
        const auto items = store.items(id);
        return items ? items->first().types() : QStringList{"unreadable"};
    }
    void copyText(ClipStore& store, const QString& text) {
        copy(store, {item({{PasteboardType::plainText, text.toUtf8()}})});
    }
    QStringList dataFiles() const { return QDir(dir).entryList({"*.clip", "*.thumb.png"}, QDir::Files); }
};

} // namespace zarvo::cliptest
