// Preloaded into the install driver, it makes the file system look like one without
// renameat2(RENAME_EXCHANGE) (FAT, NFS, many FUSE ones), so the install swaps by two renames; and it
// lengthens the moment between those renames (after the old copy is moved aside to "…-old"), so that
// kills land there too.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <dlfcn.h>
#include <unistd.h>

namespace {

template <typename Function> Function next(const char* name) {
    return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

} // namespace

extern "C" int renameat2(int fromFolder, const char* from, int toFolder, const char* to, unsigned int flags) {
    if (flags & RENAME_EXCHANGE) {
        errno = EINVAL;
        return -1;
    }
    static const auto real = next<int (*)(int, const char*, int, const char*, unsigned int)>("renameat2");
    return real(fromFolder, from, toFolder, to, flags);
}

extern "C" int rename(const char* from, const char* to) {
    static const auto real = next<int (*)(const char*, const char*)>("rename");
    const int result = real(from, to);
    const size_t size = std::strlen(to);
    if (result == 0 && size > 4 && std::strcmp(to + size - 4, "-old") == 0) ::usleep(150000);
    return result;
}
