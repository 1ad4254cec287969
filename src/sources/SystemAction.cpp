#include "sources/SystemAction.h"

namespace zarvo::SystemActions {

namespace {
struct Row {
    SystemAction action;
    const char* raw;
    const char* title;
    const char* symbol;
};
const Row kRows[] = {
    {SystemAction::lock, "lock", "Lock Screen", "lock.fill"},
    {SystemAction::sleep, "sleep", "Sleep", "moon.zzz.fill"},
    {SystemAction::displaySleep, "displaySleep", "Turn Off Display", "display"},
    {SystemAction::screensaver, "screensaver", "Start Screen Saver", "sparkles.tv"},
    {SystemAction::restart, "restart", "Restart\u2026", "arrow.clockwise.circle.fill"},
    {SystemAction::shutdown, "shutdown", "Shut Down\u2026", "power.circle.fill"},
    {SystemAction::logout, "logout", "Log Out\u2026", "rectangle.portrait.and.arrow.right"},
    {SystemAction::emptyTrash, "emptyTrash", "Empty Trash", "trash.slash.fill"},
    {SystemAction::eject, "eject", "Eject All Disks", "eject.fill"},
    {SystemAction::ip, "ip", "Copy IP Address", "network"},
};
const Row& row(SystemAction action) {
    return kRows[static_cast<int>(action)];
}
} // namespace

QString rawValue(SystemAction action) {
    return QString::fromLatin1(row(action).raw);
}

QString title(SystemAction action) {
    return QString::fromUtf8(row(action).title);
}
QString symbol(SystemAction action) {
    return QString::fromLatin1(row(action).symbol);
}

} // namespace zarvo::SystemActions
