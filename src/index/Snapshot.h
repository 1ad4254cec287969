#pragma once

#include "index/IndexTable.h"

#include <QString>

namespace zarvo::index {

// The index on disk: a versioned header, the table's arrays as they are in memory, and a checksum,
// so loading is a few large reads and a corrupt or foreign file is refused rather than half-used.
namespace Snapshot {

inline constexpr quint32 kVersion = 1;

// Writes atomically (temporary file + rename). `fingerprint` names the configuration (roots and
// excluded folders) the table was crawled with. False, with `error` set, when it cannot be written.
bool save(const IndexTable& table, const QString& path, const QString& fingerprint, QString* error = nullptr);
// Replaces `table` with the snapshot's. False, leaving `table` alone, when the file is missing,
// corrupt, of another version or of another configuration; `error` says which.
bool load(IndexTable& table, const QString& path, const QString& fingerprint, QString* error = nullptr);

} // namespace Snapshot

} // namespace zarvo::index
