#pragma once

#include <QString>

namespace zarvo {

struct Platform;

// How shown texts name things of the desktop. The model and the views write the Mac's words (Finder,
// System Settings, ⌘K); each back end spells them for its desktop here, in one table, so a macOS back
// end shows the texts as written and every other back end stays consistent.
class PlatformWords {
public:
    virtual ~PlatformWords() = default;

    // A system-wide hot key as the settings store it (mask and key label): "⇧⌘V" as written.
    virtual QString hotKey(quint32 modifiers, const QString& keyLabel) const;
    // Key glyphs of a key inside our own windows ("⌘K", "⌥↩", "esc").
    virtual QString keys(const QString& glyphs) const { return glyphs; }
    // Any other shown text: words that name the Mac's own things, and key glyphs inside it.
    virtual QString text(const QString& shown) const { return shown; }
    // A title that may be a whole name of the Mac's ("TextEdit", "Movies"): such names are replaced only
    // here, so the same word used as an ordinary label ("Preview" for Ctrl+Y) stays as it is.
    virtual QString title(const QString& shown) const { return text(shown); }

    // The words of a platform, else the Mac's as written.
    static const PlatformWords& of(const Platform& platform);
    // The process's words: those of Platform::current().
    static const PlatformWords& current();
};

} // namespace zarvo
