// Clipboard history costs: an idle poll, filing copies end to end until their files are on disk,
// a 12-megapixel picture with its thumbnail, and searching a full history.
// `bench_clips --add DIR [TYPE]` and `bench_clips --read DIR` file standard input as one copy / print the
// newest clip's text, one process each, for bench_clips.sh to compare with another clipboard manager.

#include "clipboard/ClipStore.h"
#include "platform/Pasteboard.h"
#include "platform/Platform.h"
#include "platform/qt/QtImageCodec.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

using namespace zarvo;

namespace {

// The smallest pasteboard that the store can watch.
class BenchPasteboard : public Pasteboard {
public:
    QList<PasteboardItem> contents;
    qint64 count = 0;
    qint64 changeCount() const override { return count; }
    QStringList types() const override {
        QStringList out;
        for (const auto& item : contents)
            out << item.types();
        return out;
    }
    QList<PasteboardItem> items() const override { return contents; }
    std::optional<QString> string(const QString& type) const override {
        for (const auto& item : contents)
            if (auto s = item.string(type)) return s;
        return std::nullopt;
    }
    QList<QUrl> fileURLs() const override { return {}; }
    void clearContents() override {
        contents.clear();
        ++count;
    }
    void setString(const QString& text, const QStringList&) override {
        PasteboardItem item;
        item.setString(QString::fromLatin1(PasteboardType::plainText), text);
        contents = {item};
    }
    void writeItems(const QList<PasteboardItem>& items) override { contents = items; }
    void writeFileURLs(const QList<QUrl>&) override {}
    void copy(const QString& type, const QByteArray& bytes) {
        PasteboardItem item;
        item.setData(type, bytes);
        contents = {item};
        ++count;
    }
};

double median(QList<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

QString words(int characters, QRandomGenerator& random) {
    static const char* vocabulary[] = {"alpha",  "report",  "meeting",   "invoice",  "kernel",
                                       "window", "paste",   "clipboard", "launcher", "history",
                                       "folder", "network", "search",    "copy"};
    QString text;
    while (text.size() < characters) {
        text += QLatin1String(vocabulary[random.bounded(int(std::size(vocabulary)))]);
        text += random.bounded(12) == 0 ? QLatin1Char('\n') : QLatin1Char(' ');
    }
    return text.left(characters);
}

int addFromStdin(const QString& dir, const QString& type) {
    QFile in;
    in.open(stdin, QIODevice::ReadOnly);
    PasteboardItem item;
    item.setData(type, in.readAll());
    ClipStore store(dir, nullptr, false, ClipStore::Services{});
    const bool ok = store.capture(item.types(), {item}, std::nullopt, std::nullopt);
    store.flush();
    return ok ? 0 : 1;
}

int readNewest(const QString& dir) {
    ClipStore store(dir, nullptr, false, ClipStore::Services{});
    if (store.clips().isEmpty()) return 1;
    const auto items = store.items(store.clips().first().id);
    if (!items) return 1;
    QFile out;
    out.open(stdout, QIODevice::WriteOnly);
    out.write(items->first().data(QString::fromLatin1(PasteboardType::plainText)).value_or(QByteArray()));
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    // Image copies are decoded by the process's codec, as in the application.
    QtImageCodec images;
    Platform platform = Platform::current();
    platform.images = &images;
    Platform::setCurrent(platform);
    const QStringList args = app.arguments();
    if (args.size() >= 3 && args[1] == QLatin1String("--add"))
        return addFromStdin(args[2],
                            args.size() > 3 ? args[3] : QString::fromLatin1(PasteboardType::plainText));
    if (args.size() >= 3 && args[1] == QLatin1String("--read")) return readNewest(args[2]);

    QTemporaryDir temp;
    BenchPasteboard pasteboard;
    ClipStore store(temp.path() + QStringLiteral("/clips"), &pasteboard, false, ClipStore::Services{});
    QRandomGenerator random(42);

    // Idle poll: nothing changed since the last look.
    {
        constexpr int rounds = 5'000'000;
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < rounds; ++i)
            store.poll();
        std::printf("bench clips_idle_poll: %.4f us\n", double(timer.nsecsElapsed()) / rounds / 1000.0);
    }

    // A 1 MB text copy, from the change to both files on disk.
    {
        QList<double> times;
        for (int i = 0; i < 15; ++i) {
            const QByteArray text = (QString::number(i) + words(1'000'000, random)).toUtf8().left(1'000'000);
            QElapsedTimer timer;
            timer.start();
            pasteboard.copy(QString::fromLatin1(PasteboardType::plainText), text);
            store.poll();
            store.flush();
            times << double(timer.nsecsElapsed()) / 1e6;
        }
        std::printf("bench clips_file_1mb_text: %.2f ms\n", median(times));
    }

    // A 12-megapixel PNG: decode, thumbnail, hash, both files written.
    {
        QImage image(4000, 3000, QImage::Format_RGB32);
        for (int y = 0; y < image.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x)
                line[x] = qRgb((x * 255) / 4000, (y * 255) / 3000, ((x ^ y) >> 4) & 0xFF);
        }
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "png");
        QList<double> times;
        for (int i = 0; i < 3; ++i) {
            image.setPixel(i, 0, qRgb(i, i, i)); // another picture each round, so it is a new clip
            png.clear();
            buffer.seek(0);
            image.save(&buffer, "png");
            QElapsedTimer timer;
            timer.start();
            pasteboard.copy(QString::fromLatin1(PasteboardType::png), png);
            store.poll();
            store.flush();
            times << double(timer.nsecsElapsed()) / 1e6;
        }
        std::printf("bench clips_file_12mp_png: %.1f ms (%.1f MB PNG)\n", median(times), png.size() / 1e6);
    }

    // Searching 500 clips of 5000 characters.
    {
        store.clearUnpinned();
        for (int i = 0; i < 500; ++i) {
            ClipStore::Prepared p;
            p.text = words(5000, random);
            p.length = 5000;
            p.hash = Clip::contentHash("text", p.text.toUtf8() + QByteArray::number(i));
            p.size = 5000;
            PasteboardItem item;
            item.setData(QString::fromLatin1(PasteboardType::plainText), p.text.toUtf8());
            p.items = {item};
            store.insert(p, QStringLiteral("Editor"), std::nullopt, QDateTime::currentDateTimeUtc());
        }
        store.flush();
        QList<double> times;
        qsizetype found = 0;
        for (const char* query : {"quarterly", "invoice kernel", "zzq", "Clipbrd hstry", "a"}) {
            for (int i = 0; i < 5; ++i) {
                QElapsedTimer timer;
                timer.start();
                found += store.matching(QString::fromLatin1(query)).size();
                times << double(timer.nsecsElapsed()) / 1e6;
            }
        }
        std::printf("bench clips_matching_500x5000: %.2f ms (median of %lld searches)\n", median(times),
                    static_cast<long long>(times.size()));
        (void)found;
    }
    return 0;
}
