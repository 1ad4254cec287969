#include "clipboard/Clip.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <plist/plist.h>

// The data file of a clip: its representations as a binary property list.
namespace zarvo {

namespace {
struct PlistDeleter {
    void operator()(void* node) const { plist_free(static_cast<plist_t>(node)); }
};
using PlistPtr = std::unique_ptr<void, PlistDeleter>;
} // namespace

QByteArray ClipData::encode(const ClipItems& items) {
    PlistPtr root(plist_new_array());
    for (const PasteboardItem& item : items) {
        plist_t dict = plist_new_dict();
        for (const auto& [type, bytes] : item.representations)
            plist_dict_set_item(dict, type.toUtf8().constData(),
                                plist_new_data(bytes.constData(), static_cast<uint64_t>(bytes.size())));
        plist_array_append_item(static_cast<plist_t>(root.get()), dict);
    }
    char* buffer = nullptr;
    uint32_t length = 0;
    plist_to_bin(static_cast<plist_t>(root.get()), &buffer, &length);
    QByteArray out(buffer, buffer ? qsizetype(length) : 0);
    if (buffer) plist_to_bin_free(buffer);
    return out;
}

namespace {

// Reads the one shape a data file has: an array of dictionaries from strings to data. Written here
// rather than taken from libplist because the library asserts (aborts the process) on some malformed
// dictionaries, and a data file must never be able to do that. Every offset and length is checked
// against the file before it is used.
class DataFileReader {
public:
    explicit DataFileReader(const QByteArray& bytes)
        : m_p(reinterpret_cast<const unsigned char*>(bytes.constData())), m_n(quint64(bytes.size())) {}

    std::optional<ClipItems> read() {
        if (m_n < 8 + 32 || std::memcmp(m_p, "bplist00", 8) != 0) return std::nullopt;
        const quint64 t = m_n - 32;
        m_offsetSize = m_p[t + 6];
        m_refSize = m_p[t + 7];
        m_objects = number(t + 8, 8);
        const quint64 top = number(t + 16, 8);
        m_table = number(t + 24, 8);
        if (m_offsetSize < 1 || m_offsetSize > 8 || m_refSize < 1 || m_refSize > 8 || m_objects < 1 ||
            m_objects > m_n || top >= m_objects || m_table < 8 || m_table > t ||
            (t - m_table) / m_offsetSize < m_objects)
            return std::nullopt;
        quint64 count = 0, refs = 0;
        if (!object(top, 0xA, count, refs) || (m_table - refs) / m_refSize < count || count == 0)
            return std::nullopt;
        ClipItems items;
        for (quint64 i = 0; i < count; ++i) {
            quint64 pairs = 0, pairRefs = 0;
            if (!object(ref(refs, i), 0xD, pairs, pairRefs) || (m_table - pairRefs) / m_refSize / 2 < pairs)
                return std::nullopt;
            PasteboardItem item;
            for (quint64 k = 0; k < pairs; ++k) {
                const quint64 key = ref(pairRefs, k), value = ref(pairRefs, pairs + k);
                quint64 keyLength = 0, keyAt = 0, length = 0, at = 0;
                QString type;
                if (object(key, 0x5, keyLength, keyAt)) {
                    if (std::any_of(m_p + keyAt, m_p + keyAt + keyLength,
                                    [](unsigned char c) { return c >= 0x80; }))
                        return std::nullopt; // the ASCII form holds only ASCII
                    type =
                        QString::fromLatin1(reinterpret_cast<const char*>(m_p + keyAt), qsizetype(keyLength));
                } else if (object(key, 0x6, keyLength, keyAt))
                    type = utf16(keyAt, keyLength);
                else
                    return std::nullopt;
                // Type identifiers are plain text; a NUL could not be written back.
                if (type.isEmpty() || type.contains(QChar(0))) return std::nullopt;
                // A lone surrogate has no UTF-8 form either: the name would change on the next write.
                if (!QStringView(type).isValidUtf16()) return std::nullopt;
                if (!object(value, 0x4, length, at)) return std::nullopt;
                item.setData(type, QByteArray(reinterpret_cast<const char*>(m_p + at), qsizetype(length)));
            }
            items.append(std::move(item));
        }
        return items;
    }

private:
    quint64 number(quint64 at, unsigned size) const {
        quint64 v = 0;
        for (unsigned i = 0; i < size; ++i)
            v = (v << 8) | m_p[at + i];
        return v;
    }
    quint64 ref(quint64 at, quint64 index) const { return number(at + index * m_refSize, m_refSize); }
    QString utf16(quint64 at, quint64 units) const {
        QString out(qsizetype(units), Qt::Uninitialized);
        for (quint64 i = 0; i < units; ++i)
            out[qsizetype(i)] = QChar(char16_t((m_p[at + 2 * i] << 8) | m_p[at + 2 * i + 1]));
        return out;
    }

    // Object `index` has the marker type; gives its count and where its payload starts. Strings and
    // data must lie wholly before the offset table; arrays and dictionaries are checked by the caller.
    bool object(quint64 index, unsigned type, quint64& count, quint64& payload) const {
        if (index >= m_objects) return false;
        const quint64 at = number(m_table + index * m_offsetSize, m_offsetSize);
        if (at < 8 || at >= m_table || (m_p[at] >> 4) != type) return false;
        count = m_p[at] & 0xF;
        payload = at + 1;
        if (count == 0xF) {
            if (payload >= m_table || (m_p[payload] >> 4) != 0x1 || (m_p[payload] & 0xF) > 3) return false;
            const unsigned size = 1u << (m_p[payload] & 0xF);
            if (m_table - payload - 1 < size) return false;
            count = number(payload + 1, size);
            payload += 1 + size;
        }
        const quint64 unit = type == 0x6 ? 2 : 1;
        if ((type == 0x4 || type == 0x5 || type == 0x6) && (m_table - payload) / unit < count) return false;
        return payload <= m_table;
    }

    const unsigned char* m_p;
    quint64 m_n;
    unsigned m_offsetSize = 0, m_refSize = 0;
    quint64 m_objects = 0, m_table = 0;
};

} // namespace

std::optional<ClipItems> ClipData::decode(const QByteArray& bytes) {
    if (bytes.size() > maximumBytes) return std::nullopt;
    return DataFileReader(bytes).read();
}

} // namespace zarvo
