#pragma once

#include "platform/Pasteboard.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QThreadPool>
#include <atomic>
#include <memory>

class QClipboard;
class QMimeData;

namespace zarvo::linux_ {

// Translation between the pasteboard's type identifiers and the MIME types of the X11 clipboard.
namespace PasteboardMime {
// KDE's and KeePassXC's marker for a copied secret; its value "secret" stands for the concealed type.
inline constexpr const char* passwordManagerHint = "x-kde-passwordManagerHint";

// The items of a clipboard offer: one item per entry of a uri-list, the other representations on the
// first item. Formats whose bytes are not fetched (unknown MIME types) are named in `otherTypes`.
QList<PasteboardItem> items(const QMimeData& data, QStringList* otherTypes = nullptr);
// A clipboard offer carrying every representation of the items.
QMimeData* mimeData(const QList<PasteboardItem>& items);
// The targets of another application's offer worth fetching, in order: one text form, files, rich
// text, images and the markers whose value counts (KDE's hint, the source), each with its own maximum
// (0: the general one). Everything else is only named.
struct WantedTarget {
    QByteArray target;
    qint64 maximum = 0;
};
QList<WantedTarget> wantedTargets(const QStringList& offered);
// The items and the merely named types of an offer read target by target.
QList<PasteboardItem> itemsFromTargets(const QStringList& offered,
                                       const QHash<QByteArray, QByteArray>& fetched, QStringList* otherTypes);
} // namespace PasteboardMime

// The general pasteboard over Qt's clipboard (the X11 CLIPBOARD selection). On X11 another
// application's copy is read on a worker thread over a connection of its own (only the kept types,
// bounded in size and time) and the change count grows once it has been read; a slow or huge owner
// costs at most that copy, never the main thread. Elsewhere (offscreen) Qt's clipboard is read
// directly. The count also grows on every write of ours.
class LinuxPasteboard : public QObject, public Pasteboard {
    Q_OBJECT
public:
    explicit LinuxPasteboard(QClipboard* clipboard);
    ~LinuxPasteboard() override;

    qint64 changeCount() const override { return m_count; }
    // Qt reports every change of the X clipboard's owner.
    bool announcesChanges() const override { return true; }
    QStringList types() const override;
    QList<PasteboardItem> items() const override;
    std::optional<QString> string(const QString& type) const override;
    QList<QUrl> fileURLs() const override;
    void setReadLimits(qint64 perType, qint64 total) override;

    void clearContents() override;
    void setString(const QString& text, const QStringList& markerTypes = {}) override;
    void writeItems(const QList<PasteboardItem>& items) override;
    void writeFileURLs(const QList<QUrl>& files) override;
    void setSelectionText(const QString& text) override;

private:
    void write(QMimeData* data);
    void refresh() const;
    // Reads the new owner's offer off the main thread; `announce`: count it as a change once read.
    void startRead(bool announce);

    bool m_reader = false;
    qint64 m_perType = 25'000'000;
    qint64 m_total = 50'000'000;
    // Bumped by every owner change: a read that is no longer the newest gives up.
    std::shared_ptr<std::atomic<qint64>> m_generation = std::make_shared<std::atomic<qint64>>(0);
    QThreadPool m_readers;
    QList<PasteboardItem> m_foreignItems;
    QStringList m_foreignOther;

    QPointer<QClipboard> m_clipboard;
    qint64 m_count = 1;
    bool m_writing = false;
    // The contents are read once per change: each read is a round trip to the owning application.
    mutable qint64 m_cachedCount = -1;
    mutable QList<PasteboardItem> m_items;
    mutable QStringList m_otherTypes;
};

} // namespace zarvo::linux_
