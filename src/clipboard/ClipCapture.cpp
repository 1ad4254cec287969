#include "clipboard/ClipStore.h"

#include "clipboard/Clipboard.h"
#include "platform/ImageCodec.h"
#include "platform/Pasteboard.h"
#include "platform/Workspace.h"
#include "store/IgnoredApps.h"

#include <QCoreApplication>
#include <QPointer>
#include <QStringDecoder>

// Capture: watching the pasteboard, what of a copy is kept, and how it becomes a clip.
namespace zarvo {

namespace {

// The types kept of a copy, in the order they are read.
const QStringList& keptTypes() {
    static const QStringList types{PasteboardType::fileURL, PasteboardType::url,  PasteboardType::plainText,
                                   PasteboardType::rtf,     PasteboardType::html, PasteboardType::png,
                                   PasteboardType::tiff,    PasteboardType::jpeg};
    return types;
}

bool isImageType(const QString& type) {
    return type == PasteboardType::png || type == PasteboardType::tiff || type == PasteboardType::jpeg;
}

std::optional<QString> strictUtf8(const QByteArray& bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8,
                           QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    QString text = decoder.decode(bytes);
    if (decoder.hasError()) return std::nullopt;
    return text;
}

} // namespace

// ---- Start and polling ----

namespace {
constexpr int kAnnouncedPollMs = 5000;
}

void ClipStore::start() {
    if (m_started) return;
    m_started = true;
    prune(now());
    if (!m_indexWasUnreadable) removeOrphanedData();
    if (m_services.workspace) {
        connect(m_services.workspace, &Workspace::applicationActivated, this, [this](const AppInfo& app) {
            if (app.bundleIdentifier) m_activatedSincePoll.insert(*app.bundleIdentifier);
        });
    }
    // Where the pasteboard says when it changed, a change is taken at once and the timer is only a
    // safety net; an idle application then wakes up every few seconds instead of twice a second.
    const bool announced = m_pasteboard && m_pasteboard->announcesChanges();
    if (announced) {
        QPointer<ClipStore> self(this);
        m_pasteboard->onChange = [self] {
            if (self) QTimer::singleShot(0, self, &ClipStore::poll);
        };
    }
    m_timer.setInterval(announced ? kAnnouncedPollMs : 500);
    m_timer.setTimerType(Qt::CoarseTimer);
    connect(&m_timer, &QTimer::timeout, this, &ClipStore::poll);
    m_timer.start();
}

void ClipStore::poll() {
    QSet<QString> activated;
    if (!m_activatedSincePoll.isEmpty()) activated.swap(m_activatedSincePoll);
    if (!m_pasteboard) return;
    const qint64 count = m_pasteboard->changeCount();
    if (count == m_lastChangeCount) return;
    m_lastChangeCount = count;

    const ClipPolicy settings = policy();
    if (!settings.keepHistory) return; // consumed: turning the setting on later does not capture it
    const bool own = m_ownChangeCount && *m_ownChangeCount == count;
    std::optional<AppInfo> front;
    if (m_services.generalPasteboard && m_services.workspace)
        front = m_services.workspace->frontmostApplication();
    const std::optional<QString> source = m_pasteboard->string(PasteboardType::source);
    if (front && front->bundleIdentifier) activated.insert(*front->bundleIdentifier);
    if (source) activated.insert(*source);

    std::optional<QString> appName, bundleID;
    std::optional<ClipItems> items;
    if (own) {
        items = snapshot(*m_pasteboard);
        if (!items) return;
        appName = QStringLiteral("Zarvo");
        bundleID = m_services.ownBundleID;
    } else {
        // The source names an application in any form; the ignored ones are kept as its identity.
        std::optional<QString> location;
        if (source && m_services.workspace) location = m_services.workspace->urlForApplication(*source);
        if (location)
            if (const auto identity = m_services.workspace->applicationIdentity(*location))
                activated.insert(*identity);
        if (IgnoredApps::containsAny(settings.ignoredApps, activated)) return;
        items = snapshot(*m_pasteboard);
        if (!items) return;
        if (location) {
            appName = m_services.workspace->shownApplicationName(*location);
            bundleID = source;
        } else if (front) {
            appName = front->name;
            bundleID = front->bundleIdentifier;
        }
    }

    QPointer<ClipStore> weak(this);
    m_work->async([weak, webURL = m_services.webURL, codec = m_services.images, items = std::move(*items),
                   appName, bundleID]() mutable {
        auto prepared = prepare(std::move(items), webURL, codec);
        if (!prepared) return;
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [weak, prepared = std::move(*prepared), appName, bundleID] {
                if (weak) weak->insert(prepared, appName, bundleID, weak->now());
            },
            Qt::QueuedConnection);
    });
}

// ---- Snapshot and preparation ----

std::optional<ClipItems> ClipStore::snapshot(const Pasteboard& pasteboard) {
    const QList<PasteboardItem> items = pasteboard.items();
    QStringList types = pasteboard.types();
    return snapshot(types, items);
}

std::optional<ClipItems> ClipStore::snapshot(const QStringList& types, const QList<PasteboardItem>& items) {
    if (Clipboard::isPrivate(types, items)) return std::nullopt;
    if (items.isEmpty()) return std::nullopt;
    qint64 total = 0;
    ClipItems result;
    for (const PasteboardItem& item : items) {
        const std::optional<QByteArray> plain = item.data(PasteboardType::plainText);
        const bool textOrFiles =
            (plain && !plain->isEmpty()) || item.data(PasteboardType::fileURL).has_value();
        PasteboardItem kept;
        for (const QString& type : keptTypes()) {
            const std::optional<QByteArray> data = item.data(type);
            if (!data) continue;
            // An image that comes with text or files (a rendering of copied cells) is not kept.
            if (isImageType(type) && (textOrFiles || kept.data(PasteboardType::png))) continue;
            total += data->size();
            if (total > maximumReadBytes) return std::nullopt;
            kept.setData(type, *data);
        }
        if (!kept.representations.isEmpty()) result.append(std::move(kept));
    }
    if (result.isEmpty()) return std::nullopt;
    return result;
}

std::optional<ClipStore::Prepared>
ClipStore::prepare(ClipItems items, const std::function<std::optional<QUrl>(const QString&)>& webURL,
                   const ImageCodec* codec) {
    // A copy of a quarter million files would cost half a gigabyte to keep and seconds to show.
    int fileItems = 0;
    ClipItems keptItems;
    for (PasteboardItem& item : items) {
        if (item.data(PasteboardType::fileURL) && ++fileItems > maximumClipFiles) continue;
        keptItems.append(std::move(item));
    }
    items = std::move(keptItems);

    // Other image formats become PNG, upright, so every image clip has one format to show and hash.
    for (PasteboardItem& item : items) {
        if (item.data(PasteboardType::png)) continue;
        std::optional<QByteArray> source = item.data(PasteboardType::tiff);
        if (!source) source = item.data(PasteboardType::jpeg);
        if (!source) continue;
        // A faster zlib level than the default: conversion runs for every copied photo.
        const auto png = codec ? codec->toPNG(*source, 50) : std::nullopt;
        if (!png) continue;
        item.representations.removeIf([](const auto& rep) {
            return rep.first == PasteboardType::tiff || rep.first == PasteboardType::jpeg;
        });
        item.setData(PasteboardType::png, *png);
    }

    Prepared prepared;
    for (const PasteboardItem& item : items)
        for (const auto& rep : item.representations)
            prepared.size += rep.second.size();
    if (prepared.size > maximumClipBytes || items.isEmpty()) return std::nullopt;

    QStringList paths;
    for (const PasteboardItem& item : items) {
        const auto data = item.data(PasteboardType::fileURL);
        if (!data) continue;
        const QUrl url = QUrl::fromEncoded(*data, QUrl::StrictMode);
        const QString host = url.host();
        if (url.isLocalFile() && (host.isEmpty() || host == QLatin1String("localhost"))) {
            const QString path = url.toLocalFile();
            if (path.startsWith(QLatin1Char('/'))) paths << path;
        }
    }

    const PasteboardItem& first = items.first();
    const std::optional<QByteArray> textBytes = first.data(PasteboardType::plainText);
    std::optional<QString> text = textBytes ? strictUtf8(*textBytes) : std::nullopt;
    const QString trimmed = text ? text->trimmed() : QString();
    if (!paths.isEmpty()) {
        prepared.kind = Clip::Kind::files;
        prepared.text = paths.join(QLatin1Char('\n'));
        prepared.length = std::max(int(paths.size()), fileItems);
        // A cut list is told apart from a copy of just the files kept.
        const QByteArray cut =
            fileItems > paths.size() ? "\n+" + QByteArray::number(fileItems) : QByteArray();
        prepared.hash = Clip::contentHash("files", prepared.text.toUtf8() + cut);
    } else if (text && !trimmed.isEmpty()) {
        if (!trimmed.contains(QLatin1Char('\n')) && webURL && webURL(trimmed))
            prepared.kind = Clip::Kind::link;
        else if (first.data(PasteboardType::rtf) || first.data(PasteboardType::html))
            prepared.kind = Clip::Kind::richText;
        else
            prepared.kind = Clip::Kind::text;
        prepared.text = Clip::prefix(*text, maximumTextCharacters);
        prepared.length = Clip::characterCount(*text);
        prepared.hash = Clip::contentHash("text", *textBytes); // the bytes are exactly the text's UTF-8
    } else if (const auto png = first.data(PasteboardType::png)) {
        // Size and thumbnail from one decoding: decoding twice costs more.
        const auto picture = codec ? codec->inspect(*png, thumbnailPixels) : std::nullopt;
        if (!picture) return std::nullopt;
        prepared.kind = Clip::Kind::image;
        prepared.imageSize = Clip::Size{double(picture->width), double(picture->height)};
        prepared.thumbnail = picture->thumbnail;
        prepared.hash = Clip::contentHash("image", *png);
    } else {
        return std::nullopt;
    }
    prepared.items = std::move(items);
    return prepared;
}

bool ClipStore::capture(const QStringList& types, const QList<PasteboardItem>& items,
                        const std::optional<QString>& appName, const std::optional<QString>& bundleID) {
    auto kept = snapshot(types, items);
    if (!kept) return false;
    auto prepared = prepare(std::move(*kept), m_services.webURL, m_services.images);
    if (!prepared) return false;
    insert(*prepared, appName, bundleID, now());
    return true;
}

} // namespace zarvo
