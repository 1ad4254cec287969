#include "platform/linux/LinuxPasteboard.h"

#include <QClipboard>
#include <QMimeData>
#include <QSet>

namespace zarvo::linux_ {

namespace PasteboardMime {

namespace {
const char* kPlainUtf8 = "text/plain;charset=utf-8";

// The identifier a MIME type stands for, or empty when it has none of its own.
QString identifierForMime(const QString& base) {
    static const QHash<QString, QString> table = {
        {QStringLiteral("text/plain"), PasteboardType::plainText},
        {QStringLiteral("text/rtf"), PasteboardType::rtf},
        {QStringLiteral("application/rtf"), PasteboardType::rtf},
        {QStringLiteral("text/richtext"), PasteboardType::rtf},
        {QStringLiteral("text/html"), PasteboardType::html},
        {QStringLiteral("image/png"), PasteboardType::png},
        {QStringLiteral("image/tiff"), PasteboardType::tiff},
        {QStringLiteral("image/jpeg"), PasteboardType::jpeg},
    };
    return table.value(base);
}

QString mimeForIdentifier(const QString& identifier) {
    static const QHash<QString, QString> table = {
        {PasteboardType::rtf, QStringLiteral("text/rtf")},
        {PasteboardType::html, QStringLiteral("text/html")},
        {PasteboardType::png, QStringLiteral("image/png")},
        {PasteboardType::tiff, QStringLiteral("image/tiff")},
        {PasteboardType::jpeg, QStringLiteral("image/jpeg")},
    };
    return table.value(identifier);
}

// Formats that only restate another (X protocol targets, Qt's and file managers' duplicates).
bool isRestatement(const QString& format) {
    static const QSet<QString> skipped = {
        QStringLiteral("application/x-qt-image"),
        QStringLiteral("text/x-moz-url"),
        QStringLiteral("x-special/gnome-copied-files"),
        QStringLiteral("application/x-kde-cutselection"),
        QStringLiteral("text/uri-list"),
    };
    if (skipped.contains(format)) return true;
    // TARGETS, MULTIPLE, UTF8_STRING, SAVE_TARGETS …: upper-case protocol names, never content types.
    bool protocol = !format.isEmpty();
    for (QChar c : format)
        if (!(c.isUpper() || c.isDigit() || c == QLatin1Char('_'))) protocol = false;
    return protocol;
}
} // namespace

QList<PasteboardItem> items(const QMimeData& data, QStringList* otherTypes) {
    PasteboardItem first;
    QList<PasteboardItem> urlItems;
    QStringList others;

    const QStringList formats = data.formats();
    for (const QString& format : formats) {
        const QString base = format.section(QLatin1Char(';'), 0, 0).trimmed().toLower();
        if (format == QLatin1String(passwordManagerHint)) {
            if (data.data(format).trimmed() == "secret") first.setData(PasteboardType::concealed, {});
            continue;
        }
        if (base == QLatin1String("text/uri-list") && urlItems.isEmpty()) {
            for (const QUrl& url : data.urls()) {
                if (!url.isValid()) continue;
                PasteboardItem item;
                const QString type =
                    QString(url.isLocalFile() ? PasteboardType::fileURL : PasteboardType::url);
                item.setData(type, url.toEncoded());
                urlItems << item;
            }
            continue;
        }
        const QString identifier = identifierForMime(base);
        if (identifier == PasteboardType::plainText) {
            if (first.data(identifier)) continue;
            QString text = data.text();
            if (text.isEmpty()) text = QString::fromUtf8(data.data(format));
            first.setString(identifier, text);
            continue;
        }
        if (!identifier.isEmpty()) {
            if (!first.data(identifier)) first.setData(identifier, data.data(format));
            continue;
        }
        if (isRestatement(format)) continue;
        if (!format.contains(QLatin1Char('/'))) {
            // An identifier written under its own name (org.nspasteboard.TransientType, a source marker …).
            first.setData(format, data.data(format));
            continue;
        }
        // Office suites offer dozens of formats of their own, each a round trip to fetch: they are named
        // but their bytes are not read.
        others << format;
    }

    QList<PasteboardItem> out;
    if (urlItems.isEmpty()) {
        if (!first.representations.isEmpty()) out << first;
    } else {
        // The other representations (a text rendering, markers) ride on the first file's item.
        for (const auto& rep : std::as_const(first.representations))
            urlItems.first().setData(rep.first, rep.second);
        out = urlItems;
    }
    if (otherTypes) *otherTypes = others;
    return out;
}

QMimeData* mimeData(const QList<PasteboardItem>& items) {
    auto* out = new QMimeData;
    QList<QUrl> urls;
    for (const auto& item : items) {
        for (const auto& [type, bytes] : item.representations) {
            if (type == PasteboardType::fileURL || type == PasteboardType::url) {
                const QUrl url = QUrl::fromEncoded(bytes);
                if (url.isValid() && !url.isEmpty()) urls << url;
                continue;
            }
            if (type == PasteboardType::plainText) {
                if (!out->hasFormat(QString::fromLatin1(kPlainUtf8))) {
                    out->setText(QString::fromUtf8(bytes));
                    out->setData(QString::fromLatin1(kPlainUtf8), bytes);
                }
                continue;
            }
            if (type == PasteboardType::concealed) {
                // Other clipboard managers on Linux know the KDE hint, not the identifier.
                out->setData(QString::fromLatin1(passwordManagerHint), "secret");
                continue;
            }
            const QString mime = mimeForIdentifier(type);
            const QString format = mime.isEmpty() ? type : mime;
            if (format.isEmpty() || out->hasFormat(format)) continue;
            out->setData(format, bytes);
        }
    }
    if (!urls.isEmpty()) {
        out->setUrls(urls);
        QByteArray copied = "copy";
        bool allFiles = true;
        for (const QUrl& url : std::as_const(urls)) {
            allFiles = allFiles && url.isLocalFile();
            copied += '\n' + url.toEncoded();
        }
        // File managers paste files from their own format; a plain uri-list pastes as text in them.
        if (allFiles) out->setData(QStringLiteral("x-special/gnome-copied-files"), copied);
    }
    return out;
}

} // namespace PasteboardMime

LinuxPasteboard::LinuxPasteboard(QClipboard* clipboard) : m_clipboard(clipboard) {
    connect(clipboard, &QClipboard::changed, this, [this](QClipboard::Mode mode) {
        // Our own writes are counted when made; Qt repeats them as changes while we own the clipboard.
        if (mode != QClipboard::Clipboard || m_writing || (m_clipboard && m_clipboard->ownsClipboard()))
            return;
        ++m_count;
    });
}

void LinuxPasteboard::refresh() const {
    if (m_cachedCount == m_count) return;
    m_cachedCount = m_count;
    m_items.clear();
    m_otherTypes.clear();
    const QMimeData* data = m_clipboard ? m_clipboard->mimeData(QClipboard::Clipboard) : nullptr;
    if (data) m_items = PasteboardMime::items(*data, &m_otherTypes);
}

QStringList LinuxPasteboard::types() const {
    refresh();
    QStringList out;
    for (const auto& item : std::as_const(m_items))
        for (const auto& type : item.types())
            if (!out.contains(type)) out << type;
    for (const auto& type : std::as_const(m_otherTypes))
        if (!out.contains(type)) out << type;
    return out;
}

QList<PasteboardItem> LinuxPasteboard::items() const {
    refresh();
    return m_items;
}

std::optional<QString> LinuxPasteboard::string(const QString& type) const {
    refresh();
    for (const auto& item : std::as_const(m_items))
        if (auto text = item.string(type)) return text;
    return std::nullopt;
}

QList<QUrl> LinuxPasteboard::fileURLs() const {
    refresh();
    QList<QUrl> out;
    for (const auto& item : std::as_const(m_items))
        if (auto bytes = item.data(PasteboardType::fileURL)) {
            const QUrl url = QUrl::fromEncoded(*bytes);
            if (url.isLocalFile()) out << url;
        }
    return out;
}

void LinuxPasteboard::write(QMimeData* data) {
    if (!m_clipboard) {
        delete data;
        return;
    }
    m_writing = true;
    if (data)
        m_clipboard->setMimeData(data, QClipboard::Clipboard);
    else
        m_clipboard->clear(QClipboard::Clipboard);
    m_writing = false;
    ++m_count;
}

void LinuxPasteboard::clearContents() {
    write(nullptr);
}

void LinuxPasteboard::setString(const QString& text, const QStringList& markerTypes) {
    PasteboardItem item;
    item.setString(PasteboardType::plainText, text);
    for (const auto& marker : markerTypes)
        item.setData(marker, {});
    write(PasteboardMime::mimeData({item}));
}

void LinuxPasteboard::writeItems(const QList<PasteboardItem>& items) {
    write(PasteboardMime::mimeData(items));
}

void LinuxPasteboard::writeFileURLs(const QList<QUrl>& files) {
    QList<PasteboardItem> items;
    for (const QUrl& url : files) {
        PasteboardItem item;
        item.setData(PasteboardType::fileURL, url.toEncoded());
        items << item;
    }
    write(PasteboardMime::mimeData(items));
}

} // namespace zarvo::linux_
