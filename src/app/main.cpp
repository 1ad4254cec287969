#include "app/DesktopMain.h"
#include "platform/AppIdentifier.h"
#include "platform/linux/QuickRequest.h"

#include <cstdio>
#include <cstring>
#include <dlfcn.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

// This program links no Qt: `zarvo --toggle` bound to a key sends its request to the running instance
// with system calls alone. Everything else is the desktop module's (zarvoMain), loaded when needed.

namespace {

// The request of a plain command line the quick path may send; null for anything else (help, status,
// Qt's or the installer's arguments, a mistake), which the module reads.
const char* quickRequest(int argc, char** argv) {
    if (argc == 1) return "show";
    if (argc != 2) return nullptr;
    for (const char* name : {"toggle", "clipboard", "settings", "quit"})
        if (std::strncmp(argv[1], "--", 2) == 0 && std::strcmp(argv[1] + 2, name) == 0) return name;
    return nullptr;
}

std::string programFolder() {
    std::vector<char> path(4096);
    const ssize_t n = ::readlink("/proc/self/exe", path.data(), path.size() - 1);
    if (n <= 0) return ".";
    const std::string program(path.data(), size_t(n));
    const size_t slash = program.rfind('/');
    return slash == std::string::npos ? "." : slash == 0 ? "/" : program.substr(0, slash);
}

// Beside the program (the portable folder, a build tree), then the installed package's private folder.
std::vector<std::string> moduleCandidates(const std::string& folder) {
    const size_t slash = folder.rfind('/');
    const std::string parent = slash == std::string::npos || slash == 0 ? "" : folder.substr(0, slash);
    return {folder + "/zarvo-desktop.so", parent + "/lib/zarvo/zarvo-desktop.so"};
}

bool exists(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0;
}

MainFunction loadModule(const std::string& folder) {
    std::string errors;
    const std::vector<std::string> candidates = moduleCandidates(folder);
    for (const std::string& path : candidates) {
        if (!exists(path)) continue;
        // Global symbols stay inside the module: it carries its own copy of what it links.
        void* module = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (!module) {
            errors += std::string("\n  ") + ::dlerror();
            continue;
        }
        if (void* entry = ::dlsym(module, kMainSymbol)) return reinterpret_cast<MainFunction>(entry);
        errors += "\n  " + path + ": no entry point";
    }
    if (errors.empty()) errors = " (looked for " + candidates[0] + ", " + candidates[1] + ")";
    std::fprintf(stderr, "zarvo: the desktop part of Zarvo cannot be loaded; reinstall Zarvo%s\n",
                 errors.c_str());
    return nullptr;
}

} // namespace

int main(int argc, char** argv) {
    using zarvo::linux_::QuickRequest::Outcome;
    const std::string folder = programFolder();
    Outcome quick;
    // A portable copy (an Info.json beside it) first looks whether it is to install itself: the module's.
    if (const char* request = quickRequest(argc, argv);
        request && (std::strcmp(request, "quit") == 0 || !exists(folder + "/Info.json")))
        quick = zarvo::linux_::QuickRequest::send(zarvo::kAppIdentifier, request, 3000);
    if (quick.state == Outcome::State::answered) return 0;
    const MainFunction module = loadModule(folder);
    if (!module) {
        if (quick.socket >= 0) ::close(quick.socket);
        return 1;
    }
    return module(argc, argv, &quick);
}
