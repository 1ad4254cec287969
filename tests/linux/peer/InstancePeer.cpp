// Another user's process for the instance socket tests, run as `nobody` through setpriv:
//   instance_peer squat FOLDER NAME   makes FOLDER (mode 0777) if needed and listens on FOLDER/NAME,
//                                     prints "ready", then one line "received N" per connection
//   instance_peer connect PATH        connects, sends one request, prints "answer N" with the bytes
//                                     that came back before the connection closed, or "refused"
// Plain POSIX, so it needs nothing of the application.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

bool address(const char* path, sockaddr_un& out) {
    out = sockaddr_un{};
    out.sun_family = AF_UNIX;
    if (std::strlen(path) >= sizeof(out.sun_path)) return false;
    std::strcpy(out.sun_path, path);
    return true;
}

// The bytes that arrive within `ms` of quiet, up to the peer closing.
long drain(int fd, int ms) {
    long total = 0;
    char buffer[4096];
    for (;;) {
        pollfd p{fd, POLLIN, 0};
        if (::poll(&p, 1, ms) <= 0) return total;
        const ssize_t n = ::read(fd, buffer, sizeof(buffer));
        if (n <= 0) return total;
        total += n;
    }
}

int squat(const char* folder, const char* name) {
    if (::mkdir(folder, 0777) != 0 && errno != EEXIST) return std::perror("mkdir"), 1;
    ::chmod(folder, 0777);
    char path[256];
    std::snprintf(path, sizeof(path), "%s/%s", folder, name);
    sockaddr_un where;
    if (!address(path, where)) return 1;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    if (fd < 0 || ::bind(fd, reinterpret_cast<sockaddr*>(&where), sizeof(where)) != 0 || ::listen(fd, 8) != 0)
        return std::perror("listen"), 1;
    ::chmod(path, 0777);
    std::printf("ready\n");
    std::fflush(stdout);
    for (;;) {
        const int client = ::accept(fd, nullptr, nullptr);
        if (client < 0) continue;
        std::printf("received %ld\n", drain(client, 500));
        std::fflush(stdout);
        ::close(client);
    }
}

int connectTo(const char* path) {
    sockaddr_un where;
    if (!address(path, where)) return 1;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    if (fd < 0 || ::connect(fd, reinterpret_cast<sockaddr*>(&where), sizeof(where)) != 0) {
        std::printf("refused\n");
        return 0;
    }
    const char request[] = "\0\0\0\x11{\"type\":\"toggle\"}";
    const bool sent = ::send(fd, request, sizeof(request) - 1, MSG_NOSIGNAL) >= 0;
    std::printf("answer %ld\n", sent ? drain(fd, 3000) : 0L);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::strcmp(argv[1], "squat") == 0) return squat(argv[2], argv[3]);
    if (argc == 3 && std::strcmp(argv[1], "connect") == 0) return connectTo(argv[2]);
    std::fprintf(stderr, "usage: instance_peer squat FOLDER NAME | connect PATH\n");
    return 2;
}
