#pragma once

// The desktop application lives in a module the small `zarvo` program loads only when it is to run
// the application itself: a request to the running instance (--toggle from a desktop shortcut) then
// starts in a few milliseconds instead of loading Widgets, poppler, GIO and X11 first.
//
// `request` is the first request of this start ("show", "toggle", "clipboard", "settings");
// `portable` whether the program lies in a portable folder (it may install itself).
extern "C" __attribute__((visibility("default"))) int zarvoDesktopMain(int argc, char** argv,
                                                                       const char* request, bool portable);

// The name the program looks the entry point up by.
inline constexpr const char* kDesktopMainSymbol = "zarvoDesktopMain";
using DesktopMainFunction = int (*)(int, char**, const char*, bool);
