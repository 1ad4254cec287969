#include "platform/Platform.h"

namespace zarvo {

namespace {
Platform& storage() {
    static Platform platform;
    return platform;
}
} // namespace

Platform& Platform::current() {
    return storage();
}

void Platform::setCurrent(const Platform& platform) {
    storage() = platform;
}

} // namespace zarvo
