#pragma once

#include "clipboard/Clip.h"

#include <QSet>
#include <QString>
#include <QStringList>
#include <optional>

namespace zarvo {

class Pasteboard;
struct Platform;

// What the clipboard history and the panel's paste-in share about pasteboard contents.
namespace Clipboard {
// The pasteboard types by which password managers and similar tools mark a copy as private.
const QSet<QString>& privateTypes();
// True when a copy with these types and items must not be remembered: a private type anywhere, or the
// KDE password-manager hint "secret" should a back end hand it through under its own name.
bool isPrivate(const QStringList& types, const ClipItems& items);
// The text the panel starts with when a path, file, file name or web address was just copied; none
// for anything else (private copies, several lines, commands, shares, plain words).
std::optional<QString> prefillText(const Platform& platform, const Pasteboard& pasteboard);
} // namespace Clipboard

} // namespace zarvo
