// A Wayland client that copies a text as a password manager does (with the secret marker some password
// managers use) and keeps offering it until it is stopped or another copy replaces it.
#include "platform/wayland/WaylandServices.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: wayland_copy_helper TEXT\n");
        return 2;
    }
    auto services = zarvo::wayland::WaylandServices::connect({});
    if (!services || !services->hasClipboard()) {
        std::fprintf(stderr, "wayland_copy_helper: no data-control here\n");
        return 1;
    }
    const QByteArray text(argv[1]);
    services->setSelection({{"text/plain;charset=utf-8", text},
                            {"text/plain", text},
                            {"text/x-kde-passwordManagerHint", "secret"}});
    std::printf("copied\n");
    std::fflush(stdout);
    return app.exec();
}
