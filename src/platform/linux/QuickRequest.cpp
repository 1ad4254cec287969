#include "platform/linux/QuickRequest.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <poll.h>
#include <string>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace zarvo::linux_::QuickRequest {

namespace {

// The socket's folder as the full client takes it: $XDG_RUNTIME_DIR when absolute and a folder of this
// user closed to others. The fallback under the temporary folder is left to the full client.
bool runtimeFolder(std::string& folder) {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (!runtime || runtime[0] != '/') return false;
    struct stat info {};
    if (::stat(runtime, &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != ::geteuid() ||
        (info.st_mode & (S_IRWXG | S_IRWXO)))
        return false;
    folder = runtime;
    while (folder.size() > 1 && folder.back() == '/')
        folder.pop_back();
    return true;
}

// The request as the full client encodes it (keys in order, compact). A startup id is a plain
// ASCII token; any other would need JSON escapes, which are left to the full client.
bool frame(const char* type, std::string& out) {
    const char* id = std::getenv("DESKTOP_STARTUP_ID");
    if (!id) id = "";
    for (const char* c = id; *c; ++c)
        if (*c < 0x20 || *c > 0x7e || *c == '"' || *c == '\\') return false;
    const std::string body = std::string("{\"startupId\":\"") + id + "\",\"type\":\"" + type + "\"}";
    if (body.size() > 4096) return false;
    const auto size = static_cast<unsigned>(body.size());
    out = {char(size >> 24), char(size >> 16 & 0xff), char(size >> 8 & 0xff), char(size & 0xff)};
    out += body;
    return true;
}

int remaining(long long deadline) {
    const long long left = deadline - nowMs();
    return left <= 0 ? 0 : left > INT_MAX ? INT_MAX : int(left);
}

bool wait(int fd, short events, long long deadline) {
    pollfd p{fd, events, 0};
    for (;;) {
        const int r = ::poll(&p, 1, remaining(deadline));
        if (r >= 0 || errno != EINTR) return r > 0;
    }
}

} // namespace

long long nowMs() {
    timespec now{};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1000LL + now.tv_nsec / 1000000;
}

Outcome send(const char* identifier, const char* type, int timeoutMs) {
    Outcome outcome;
    outcome.timeoutMs = timeoutMs;
    outcome.deadlineMs = nowMs() + timeoutMs;
    std::string folder, request;
    if (!runtimeFolder(folder) || !frame(type, request)) return outcome;
    const std::string path = folder + '/' + identifier + '-' + std::to_string(::getuid());
    sockaddr_un address{};
    if (path.size() >= sizeof address.sun_path) return outcome;
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.data(), path.size());
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0) return outcome;
    // A busy instance's full backlog (EAGAIN) and another user's server are the full client's to handle.
    ucred peer{};
    socklen_t length = sizeof peer;
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
        ::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &length) != 0 || peer.uid != ::geteuid()) {
        ::close(fd);
        return outcome;
    }

    size_t sent = 0;
    while (sent < request.size()) {
        const ssize_t n = ::send(fd, request.data() + sent, request.size() - sent, MSG_NOSIGNAL);
        if (n > 0) {
            sent += size_t(n);
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK) &&
                   wait(fd, POLLOUT, outcome.deadlineMs)) {
            continue;
        } else {
            const int error = n < 0 && errno != EAGAIN && errno != EWOULDBLOCK ? errno : ETIMEDOUT;
            if (sent == 0 && error != ETIMEDOUT) {
                ::close(fd);
                return outcome;
            }
            outcome.state = Outcome::State::handedOver;
            outcome.socket = fd;
            outcome.sendError = error;
            return outcome;
        }
    }

    // The plain answer arrives in one piece; it is only looked at, so anything else is read afresh by
    // the full client.
    static constexpr char kOk[] = "\0\0\0\x0b{\"ok\":true}";
    char answer[sizeof kOk];
    if (wait(fd, POLLIN, outcome.deadlineMs)) {
        const ssize_t n = ::recv(fd, answer, sizeof answer, MSG_PEEK);
        if (n == ssize_t(sizeof kOk - 1) && std::memcmp(answer, kOk, sizeof kOk - 1) == 0) {
            ::close(fd);
            outcome.state = Outcome::State::answered;
            return outcome;
        }
    }
    outcome.state = Outcome::State::handedOver;
    outcome.socket = fd;
    return outcome;
}

} // namespace zarvo::linux_::QuickRequest
