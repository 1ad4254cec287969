#pragma once

#include <QString>
#include <optional>
#include <sys/types.h>

namespace zarvo {
class Environment;
}

namespace zarvo::linux_ {

// The folder that holds the instance socket and its lock: one only this user can enter, so no other
// local user can take the socket's name, plant a link at it or read what passes through it.
namespace InstanceFolder {

// `$XDG_RUNTIME_DIR` when it is set, absolute, a folder of this user and closed to others. Otherwise a
// folder of this user's own under the temporary folder: "<identifier>-<uid>", or, when another user
// holds that name (or a link sits there), "<identifier>-<uid>.XXXXXX" with a random end. Among several
// folders of ours the first by name is the one, so every process of the user picks the same.
// With `create` the fallback folder is made (mode 0700) when none exists yet; without it (clients) none
// is returned when there is no folder, since then no instance can be listening.
std::optional<QString> locate(const Environment& environment, bool create);

// The file name of the socket in that folder: "<identifier>-<uid>".
QString socketName(const Environment& environment);

// Whether `path` is a folder of this user that others cannot enter, read without following a link.
// `why` says what is wrong when it is not.
bool isPrivateFolder(const QString& path, bool followLink, QString* why = nullptr);

} // namespace InstanceFolder

// The effective user at the other end of a connected local socket; none when it cannot be told.
std::optional<uid_t> peerUser(int socketDescriptor);
// The process at the other end of a connected local socket; none when it cannot be told.
std::optional<pid_t> peerProcess(int socketDescriptor);

} // namespace zarvo::linux_
