#include "platform/linux/LinuxPasteboard.h"

#include "platform/linux/X11ClipboardReader.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
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

QList<WantedTarget> wantedTargets(const QStringList& offered) {
    QList<WantedTarget> out;
    const auto firstOf = [&](std::initializer_list<const char*> names) {
        for (const char* name : names)
            if (offered.contains(QLatin1String(name))) {
                out << WantedTarget{QByteArray(name), 0};
                return;
            }
    };
    firstOf({"text/plain;charset=utf-8", "UTF8_STRING", "text/plain", "STRING"});
    firstOf({"text/uri-list"});
    firstOf({"text/rtf", "application/rtf", "text/richtext"});
    firstOf({"text/html"});
    firstOf({"image/png"});
    firstOf({"image/tiff"});
    firstOf({"image/jpeg"});
    // Markers: only a short value is meaningful.
    if (offered.contains(QLatin1String(passwordManagerHint))) out << WantedTarget{passwordManagerHint, 64};
    if (offered.contains(PasteboardType::source))
        out << WantedTarget{QByteArray(PasteboardType::source.latin1()), 4096};
    return out;
}

QList<PasteboardItem> itemsFromTargets(const QStringList& offered,
                                       const QHash<QByteArray, QByteArray>& fetched,
                                       QStringList* otherTypes) {
    QMimeData data;
    for (auto it = fetched.begin(); it != fetched.end(); ++it) {
        if (it.key() == "UTF8_STRING" || it.key() == "text/plain;charset=utf-8")
            data.setData(QStringLiteral("text/plain"), it.value());
        else if (it.key() == "STRING")
            data.setData(QStringLiteral("text/plain"), QString::fromLatin1(it.value()).toUtf8());
        else
            data.setData(QString::fromUtf8(it.key()), it.value());
    }
    QList<PasteboardItem> out = items(data, otherTypes);
    if (otherTypes) {
        // The rest of the offer is named, not read: the markers among it still tell what the copy is.
        for (const QString& target : offered) {
            if (fetched.contains(target.toUtf8()) || isRestatement(target) || otherTypes->contains(target))
                continue;
            const QString base = target.section(QLatin1Char(';'), 0, 0).trimmed().toLower();
            if (!identifierForMime(base).isEmpty() || target == QLatin1String(passwordManagerHint)) continue;
            *otherTypes << target;
        }
    }
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
    m_reader = QGuiApplication::platformName() == QLatin1String("xcb");
    m_readers.setMaxThreadCount(1);
    connect(clipboard, &QClipboard::changed, this, [this](QClipboard::Mode mode) {
        // Our own writes are counted when made; Qt repeats them as changes while we own the clipboard.
        if (mode != QClipboard::Clipboard || m_writing || (m_clipboard && m_clipboard->ownsClipboard()))
            return;
        if (m_reader) {
            startRead(true);
        } else {
            ++m_count;
            if (onChange) onChange();
        }
    });
    // What is on the clipboard already is read too (for the panel), but is no new copy.
    if (m_reader && m_clipboard && !m_clipboard->ownsClipboard()) startRead(false);
}

LinuxPasteboard::~LinuxPasteboard() {
    ++*m_generation;
    m_readers.waitForDone();
}

void LinuxPasteboard::setReadLimits(qint64 perType, qint64 total) {
    m_perType = perType;
    m_total = total;
}

void LinuxPasteboard::startRead(bool announce) {
    const qint64 generation = ++*m_generation;
    const std::shared_ptr<std::atomic<qint64>> current = m_generation;
    const X11ClipboardReader::Limits limits{m_perType, m_total, 2000};
    QPointer<LinuxPasteboard> self(this);
    m_readers.start([=] {
        const auto cancelled = [&] { return current->load() != generation; };
        const auto wanted = [](const QStringList& offered) {
            QList<X11ClipboardReader::Wanted> out;
            for (const auto& target : PasteboardMime::wantedTargets(offered))
                out << X11ClipboardReader::Wanted{target.target, target.maximum};
            return out;
        };
        X11ClipboardReader::Result result = X11ClipboardReader::read(wanted, limits, cancelled);
        if (cancelled()) return;
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [=, result = std::move(result)] {
                if (!self || current->load() != generation) return;
                self->m_foreignItems.clear();
                self->m_foreignOther.clear();
                // Anything but a whole read (too slow, too large, no owner) is a copy that is skipped.
                if (result.outcome == X11ClipboardReader::Result::Outcome::Read)
                    self->m_foreignItems =
                        PasteboardMime::itemsFromTargets(result.targets, result.data, &self->m_foreignOther);
                else if (result.outcome != X11ClipboardReader::Result::Outcome::NoOwner)
                    qWarning(
                        "Zarvo: skipped a copy the clipboard owner did not hand over in time or in size");
                self->m_cachedCount = -1;
                if (announce) {
                    ++self->m_count;
                    if (self->onChange) self->onChange();
                }
            },
            Qt::QueuedConnection);
    });
}

void LinuxPasteboard::refresh() const {
    if (m_reader && !(m_clipboard && m_clipboard->ownsClipboard())) {
        m_items = m_foreignItems;
        m_otherTypes = m_foreignOther;
        m_cachedCount = -1;
        return;
    }
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

void LinuxPasteboard::setSelectionText(const QString& text) {
    // The history follows the clipboard only, so this write is no change of it.
    if (m_clipboard && m_clipboard->supportsSelection()) m_clipboard->setText(text, QClipboard::Selection);
}

} // namespace zarvo::linux_
