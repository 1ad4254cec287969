#pragma once

#include <QString>

namespace zarvo {
class Environment;
}

namespace zarvo::linux_ {

// The XDG place for a folder path of the Run keyword table ("~/Downloads" → the user's download dir from
// user-dirs.dirs, "~/.Trash" → the freedesktop Trash …). Paths below a mapped folder map with it; other
// paths come back unchanged.
QString xdgPlaceForTablePath(const QString& tablePath, const Environment& environment);

// The user directory named in $XDG_CONFIG_HOME/user-dirs.dirs ("DOWNLOAD" …), or `fallback` under home.
QString xdgUserDir(const Environment& environment, const QString& key, const QString& fallback);

// Whether a path is an application bundle (a folder ending in ".app" with a Contents folder), the one
// kind of folder shown as a file here.
bool isApplicationBundle(const QString& path);

} // namespace zarvo::linux_
