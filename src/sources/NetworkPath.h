#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>
#include <optional>

namespace zarvo::NetworkPath {

// The schemes of a typed server address, in the order they are listed to users.
const QStringList& schemes();

// The address to connect to for a Windows share (\\server\share\folder) or a server URL
// (smb://, afp://, nfs://, ftp://, sftp://, vnc://, cifs://); none for any other text.
// Pure: touches neither the file system nor the network.
std::optional<QUrl> url(const QString& text);

} // namespace zarvo::NetworkPath
