#include "platform/linux/WaylandPasteboard.h"

#include "platform/linux/LinuxPasteboard.h"
#include "platform/wayland/WaylandServices.h"

#include <QMimeData>
#include <memory>

namespace zarvo::linux_ {

namespace {

wayland::ReadPolicy readPolicy(qint64 perType, qint64 total) {
    wayland::ReadPolicy policy;
    policy.perType = perType;
    policy.total = total;
    policy.deadlineMs = 2000;
    policy.wanted = [](const QStringList& offered) {
        QList<std::pair<QByteArray, qint64>> out;
        for (const auto& target : PasteboardMime::wantedTargets(offered))
            out.append({target.target, target.maximum});
        return out;
    };
    return policy;
}

} // namespace

WaylandPasteboard::WaylandPasteboard(wayland::WaylandServices& services) : m_services(services) {
    m_services.setReadPolicy(readPolicy(25'000'000, 50'000'000));
    m_services.onSelection = [this](const wayland::ClipboardRead& read) { take(read); };
}

WaylandPasteboard::~WaylandPasteboard() {
    m_services.onSelection = nullptr;
}

void WaylandPasteboard::setReadLimits(qint64 perType, qint64 total) {
    m_services.setReadPolicy(readPolicy(perType, total));
}

void WaylandPasteboard::take(const wayland::ClipboardRead& read) {
    using Outcome = wayland::ClipboardRead::Outcome;
    m_items.clear();
    m_otherTypes.clear();
    switch (read.outcome) {
    case Outcome::Read:
        m_items = PasteboardMime::itemsFromTargets(read.offered, read.data, &m_otherTypes);
        break;
    case Outcome::Private: {
        // Nothing of a secret is read; the marker alone tells the history to leave it out.
        PasteboardItem item;
        item.setData(PasteboardType::concealed, {});
        m_items << item;
        break;
    }
    case Outcome::Empty:
        break;
    case Outcome::TimedOut:
    case Outcome::TooLarge:
    case Outcome::Failed:
        qWarning("Zarvo: skipped a copy the clipboard owner did not hand over in time or in size");
        break;
    }
    // What was there before we started is read for the panel, but is no new copy.
    if (read.initial) return;
    ++m_count;
    if (onChange) onChange();
}

QStringList WaylandPasteboard::types() const {
    QStringList out;
    for (const auto& item : m_items)
        for (const auto& type : item.types())
            if (!out.contains(type)) out << type;
    for (const auto& type : m_otherTypes)
        if (!out.contains(type)) out << type;
    return out;
}

std::optional<QString> WaylandPasteboard::string(const QString& type) const {
    for (const auto& item : m_items)
        if (auto text = item.string(type)) return text;
    return std::nullopt;
}

QList<QUrl> WaylandPasteboard::fileURLs() const {
    QList<QUrl> out;
    for (const auto& item : m_items)
        if (auto bytes = item.data(PasteboardType::fileURL)) {
            const QUrl url = QUrl::fromEncoded(*bytes);
            if (url.isLocalFile()) out << url;
        }
    return out;
}

void WaylandPasteboard::write(const QList<PasteboardItem>& items) {
    const std::unique_ptr<QMimeData> data(PasteboardMime::mimeData(items));
    QList<wayland::Representation> representations;
    for (const QString& format : data->formats())
        representations.append({format.toUtf8(), data->data(format)});
    // X applications and older toolkits ask for text by its X name.
    if (data->hasText()) representations.append({"UTF8_STRING", data->text().toUtf8()});
    m_items = PasteboardMime::items(*data, &m_otherTypes);
    m_services.setSelection(representations);
    ++m_count;
}

void WaylandPasteboard::clearContents() {
    m_items.clear();
    m_otherTypes.clear();
    ++m_count;
}

void WaylandPasteboard::setString(const QString& text, const QStringList& markerTypes) {
    PasteboardItem item;
    item.setString(PasteboardType::plainText, text);
    for (const auto& marker : markerTypes)
        item.setData(marker, {});
    write({item});
}

void WaylandPasteboard::writeItems(const QList<PasteboardItem>& items) {
    write(items);
}

void WaylandPasteboard::writeFileURLs(const QList<QUrl>& files) {
    QList<PasteboardItem> items;
    for (const QUrl& url : files) {
        PasteboardItem item;
        item.setData(PasteboardType::fileURL, url.toEncoded());
        items << item;
    }
    write(items);
}

void WaylandPasteboard::setSelectionText(const QString& text) {
    m_services.setSelection({{"text/plain;charset=utf-8", text.toUtf8()},
                             {"text/plain", text.toUtf8()},
                             {"UTF8_STRING", text.toUtf8()}},
                            true);
}

} // namespace zarvo::linux_
