#pragma once

#include "platform/PasteboardItem.h"

#include <QByteArray>
#include <QDateTime>
#include <QHash>
#include <QJsonObject>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QUuid>
#include <optional>

namespace zarvo {

// One remembered copy of the clipboard history. A plain value; its data files are named by `id`.
struct Clip {
    enum class Kind { text, richText, link, image, files };

    // Pixel width and height of an image clip.
    struct Size {
        double width = 0;
        double height = 0;
        bool operator==(const Size&) const = default;
    };

    QUuid id;
    Kind kind = Kind::text;
    QString text;
    int length = 0;
    QDateTime date;
    bool pinned = false;
    std::optional<QString> appName;
    std::optional<QString> bundleID;
    qint64 size = 0;
    QString hash;
    std::optional<Size> imageSize;

    bool operator==(const Clip&) const = default;

    // For a files clip, the copied paths; empty for every other kind.
    QStringList paths() const;
    // The one-line label of the clip, in English: what zarvo-cli prints for scripts.
    QString title() const;
    // The same label in the user's language, as rows and messages show it.
    QString shownTitle() const;

    static QString rawValue(Kind kind);
    static std::optional<Kind> kindFromRawValue(const QString& raw);

    // The canonical upper-case UUID string that names the clip's files.
    static QString idString(const QUuid& id);
    // 32 lower-case hex digits: the first half of SHA-256 over the kind word followed by the content.
    static QString contentHash(const char* kindWord, const QByteArray& content);

    // Characters here are user-perceived characters (extended grapheme clusters), as the history counts them.
    static int characterCount(const QString& text);
    // The first `count` characters of `text`.
    static QString prefix(const QString& text, int count);
};

// The bytes kept of one copy: one entry per pasteboard item, each a map from type identifier to bytes.
using ClipItems = QList<PasteboardItem>;

// The index file "clips.json": a JSON array of clip objects, newest first.
namespace ClipIndex {
// Members of clip objects that this version does not know (a newer one wrote them), by clip.
using Extras = QHash<QUuid, QJsonObject>;
// Compact JSON with the members in their fixed order, then each clip's extras as they were read.
QByteArray encode(const QList<Clip>& clips, const Extras& extras = {});
struct Decoded {
    QList<Clip> clips;
    Extras extras;
    // Every object decoded: the index reads as a whole.
    bool whole = false;
};
// Object by object: every clip object that decodes on its own, also from a cut-short or damaged index.
Decoded read(const QByteArray& json);
// The whole list, or none when any object is malformed (the caller sets the file aside).
std::optional<QList<Clip>> decode(const QByteArray& json);
// Every UUID written anywhere in the bytes, in the upper-case form that names data files: the clips an
// index refers to, including objects beyond salvage.
QSet<QString> namedIds(QByteArrayView bytes);
// Larger index files are not read at all (they are set aside like an undecodable one).
inline constexpr qint64 maximumBytes = 256 * 1024 * 1024;
} // namespace ClipIndex

// A clip's data file: a binary property list holding an array of dictionaries from type to data.
namespace ClipData {
QByteArray encode(const ClipItems& items);
// None unless the bytes are a binary property list of exactly that shape.
std::optional<ClipItems> decode(const QByteArray& bytes);
// Kept copies are at most 25,000,000 bytes; anything much larger on disk is not a file we wrote.
inline constexpr qint64 maximumBytes = 64 * 1024 * 1024;
} // namespace ClipData

} // namespace zarvo
