#include "app/Installer.h"

namespace zarvo::app::Installer {

bool handOffIfNeeded() {
    return false;
}

} // namespace zarvo::app::Installer
