#pragma once

#include "platform/PasteboardItem.h"

#include <QList>
#include <QUrl>
#include <functional>

namespace zarvo {

// The system's general pasteboard. All calls on the main thread. A writer clears first, then sets or
// writes, then reads changeCount() to know the count of its own change.
class Pasteboard {
public:
    virtual ~Pasteboard() = default;

    // Differs after every change made by anyone. Must be cheap: it is polled.
    virtual qint64 changeCount() const = 0;
    // A back end that learns of changes from the system calls this (on the main thread) after the count
    // grew, so readers need not poll often; one that does not leaves it alone.
    std::function<void()> onChange;
    virtual bool announcesChanges() const { return false; }
    // Every type present, over all items, in first-seen order.
    virtual QStringList types() const = 0;
    virtual QList<PasteboardItem> items() const = 0;
    // The text of the first item carrying the type, or none.
    virtual std::optional<QString> string(const QString& type) const = 0;
    // The copied files, in order; empty when none.
    virtual QList<QUrl> fileURLs() const = 0;
    // The most bytes one representation, and one whole copy, may have when read from another
    // application (the clip store's limits): a larger copy is not read at all.
    virtual void setReadLimits(qint64 perType, qint64 total) {
        Q_UNUSED(perType);
        Q_UNUSED(total);
    }

    virtual void clearContents() = 0;
    // Puts one text on the pasteboard; extra marker types (transient …) ride along with empty data.
    virtual void setString(const QString& text, const QStringList& markerTypes = {}) = 0;
    // Writes items in order, every representation kept.
    virtual void writeItems(const QList<PasteboardItem>& items) = 0;
    // Writes file URLs, one item each.
    virtual void writeFileURLs(const QList<QUrl>& files) = 0;
    // Also offers the text as the primary selection, which xterm pastes with Shift+Insert. Systems
    // without one ignore it.
    virtual void setSelectionText(const QString& text) { Q_UNUSED(text); }
};

} // namespace zarvo
