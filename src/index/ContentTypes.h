#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

namespace zarvo::index {

// Content types of indexed files as uniform type identifiers with their conformance tree
// (public.png ⊂ public.image ⊂ public.data …), derived from file names through the MIME database.
// Every distinct MIME type seen gets a small process-wide id, so an entry stores two bytes.
// Thread-safe.
namespace ContentTypes {

using TypeId = quint16;

// Ids every process has: an unknown file and a folder.
inline constexpr TypeId kUnknown = 0;
inline constexpr TypeId kFolder = 1;

// The type of a file from its name (extension or well-known name). `isDir` selects folders
// (a folder named *.app counts as an application bundle).
TypeId forFileName(QByteArrayView utf8Name, bool isDir);
// The type of a MIME type name ("inode/directory" for folders); the snapshot stores MIME names.
TypeId forMimeName(const QString& mime);

QString mimeName(TypeId id);
// The type's own identifier ("public.png").
QString identifier(TypeId id);
// The identifier followed by everything it conforms to, nearest first.
QStringList conformance(TypeId id);

// For queries: a flag per known id, true when the id conforms to any of `identifiers`.
// Ids registered later (after the call) answer false, so callers size-check.
std::vector<bool> conformingIds(const QStringList& identifiers);

// A key for caching forFileName per name: the lower-cased extension (two for compressed tarballs),
// or the whole name when it has none. Empty for names the cache should not hold.
QByteArray cacheKey(QByteArrayView utf8Name);

} // namespace ContentTypes

} // namespace zarvo::index
