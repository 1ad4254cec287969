#pragma once

#include <QByteArray>
#include <QFileDevice>
#include <QString>
#include <optional>

// The clip store's files: the names it gives them, and how it writes and reads them.
namespace zarvo::clipfiles {

inline constexpr QFileDevice::Permissions ownerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
inline constexpr const char* indexName = "clips.json";

// Writes whole and atomically; a reader sees the old file or the new one, never a part.
bool writeAtomically(const QString& path, const QByteArray& bytes);
std::optional<QByteArray> readSmallFile(const QString& path, qint64 limit);

} // namespace zarvo::clipfiles
