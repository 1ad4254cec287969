#pragma once

#include <sys/types.h>

namespace zarvo::index {

// One record of the getdents64 system call, which the listings call directly with a buffer of
// their own.
struct LinuxDirent64 {
    ino64_t d_ino;
    off64_t d_off;
    unsigned short d_reclen;
    unsigned char d_type;
    char d_name[];
};

} // namespace zarvo::index
