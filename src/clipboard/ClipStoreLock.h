#pragma once

#include <QLockFile>
#include <QString>
#include <memory>

namespace zarvo {

// The application's program name: a lock file records the name of its holder's executable.
inline constexpr const char* kApplicationLockName = "zarvo";

// Makes this process the one writer of the clip store in `directory` ("clips.lock" there): the
// application holds it for as long as it runs, a command-line run for one command, so no clip written
// by one is lost to the other's stale copy of the list. Waits up to `waitMs` for another holder; a
// dead holder's lock is taken over at once. None when the lock is not had; `problem` then says who
// holds it.
std::unique_ptr<QLockFile> lockClipStore(const QString& directory, int waitMs = 5000,
                                         QString* problem = nullptr);

} // namespace zarvo
