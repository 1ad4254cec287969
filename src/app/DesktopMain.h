#pragma once

#include "platform/linux/QuickRequest.h"

// The desktop application lives in a module, zarvo-desktop.so, that the small `zarvo` program (which
// links no Qt) loads only when its quick path cannot do what was asked: a request to the running
// instance (--toggle from a desktop shortcut) then goes out in about a millisecond instead of after
// loading Qt, Widgets, poppler, GIO and X11.

// Everything `zarvo` does beyond the quick path: its arguments, help and messages, the requests the
// quick path did not send or did not get the plain answer to (`quick`: how far it went, or null), and
// then the desktop application when no instance runs.
extern "C" __attribute__((visibility("default"))) int
zarvoMain(int argc, char** argv, const zarvo::linux_::QuickRequest::Outcome* quick);
// The name the program looks the entry point up by.
inline constexpr const char* kMainSymbol = "zarvoMain";
using MainFunction = int (*)(int, char**, const zarvo::linux_::QuickRequest::Outcome*);

// The desktop application itself. `request` is the first request of this start ("show", "toggle",
// "clipboard", "settings"); `portable` whether the program lies in a portable folder (it may install
// itself).
int zarvoDesktopMain(int argc, char** argv, const char* request, bool portable);
