#include "sources/SystemAction.h"

#include <QCoreApplication>

namespace zarvo::SystemActions {

namespace {
struct Row {
    SystemAction action;
    const char* raw;
    const char* title;
    const char* symbol;
};
const Row kRows[] = {
    {SystemAction::lock, "lock", QT_TRANSLATE_NOOP("SystemActions", "Lock Screen"), "lock.fill"},
    {SystemAction::sleep, "sleep", QT_TRANSLATE_NOOP("SystemActions", "Sleep"), "moon.zzz.fill"},
    {SystemAction::displaySleep, "displaySleep", QT_TRANSLATE_NOOP("SystemActions", "Turn Off Display"),
     "display"},
    {SystemAction::screensaver, "screensaver", QT_TRANSLATE_NOOP("SystemActions", "Start Screen Saver"),
     "sparkles.tv"},
    {SystemAction::restart, "restart", QT_TRANSLATE_NOOP("SystemActions", "Restart\u2026"),
     "arrow.clockwise.circle.fill"},
    {SystemAction::shutdown, "shutdown", QT_TRANSLATE_NOOP("SystemActions", "Shut Down\u2026"),
     "power.circle.fill"},
    {SystemAction::logout, "logout", QT_TRANSLATE_NOOP("SystemActions", "Log Out\u2026"),
     "rectangle.portrait.and.arrow.right"},
    {SystemAction::emptyTrash, "emptyTrash", QT_TRANSLATE_NOOP("SystemActions", "Empty Trash"),
     "trash.slash.fill"},
    {SystemAction::eject, "eject", QT_TRANSLATE_NOOP("SystemActions", "Eject All Disks"), "eject.fill"},
    {SystemAction::ip, "ip", QT_TRANSLATE_NOOP("SystemActions", "Copy IP Address"), "network"},
};
const Row& row(SystemAction action) {
    return kRows[static_cast<int>(action)];
}
} // namespace

QString rawValue(SystemAction action) {
    return QString::fromLatin1(row(action).raw);
}

QString title(SystemAction action) {
    return QCoreApplication::translate("SystemActions", row(action).title);
}
QString symbol(SystemAction action) {
    return QString::fromLatin1(row(action).symbol);
}

} // namespace zarvo::SystemActions
