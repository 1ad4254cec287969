#include "platform/Translations.h"
#include "platform/linux/LinuxPanelWindowing.h"
#include "platform/linux/LinuxPlatformWords.h"

#include <gtest/gtest.h>

using namespace zarvo;
using zarvo::linux_::LinuxPlatformWords;

TEST(LinuxWords, KeysFileManagerAndTheMacsNamesAreSpelledForLinux) {
    const LinuxPlatformWords words([] { return std::optional<QString>("Files"); });
    // Global keys: ⌘ is Super; inside our windows ⌘ is Ctrl and ⌃ is Super; fixed order either way.
    EXPECT_EQ(words.hotKey(0x100, "R"), "Super+R");
    EXPECT_EQ(words.hotKey(0x300, "V"), "Shift+Super+V");
    EXPECT_EQ(words.hotKey(0x1900, "F5"), "Ctrl+Alt+Super+F5");
    EXPECT_EQ(words.keys("\u2325\u21A9"), "Alt+\u21A9");
    EXPECT_EQ(words.keys("\u21E7\u2318V"), "Ctrl+Shift+V");
    EXPECT_EQ(words.keys("\u2303\u2325\u2318F12"), "Ctrl+Alt+Super+F12");
    EXPECT_EQ(words.keys("esc"), "esc");
    EXPECT_EQ(words.text("Show in Finder (\u2318\u21A9)"), "Show in Files (Ctrl+\u21A9)");
    EXPECT_EQ(words.text("Can't search ~/a, ~/b \u2014 macOS hasn't granted access."),
              "Can't search ~/a, ~/b \u2014 missing or not readable by you.");
    EXPECT_EQ(words.text("System Settings \u203A Network"), "Settings \u203A Network");
    // The Mac's application names are replaced as titles, not where the word is an ordinary label.
    EXPECT_EQ(words.title("Preview"), "Image Viewer");
    EXPECT_EQ(words.text("Preview"), "Preview");
    // The paste keys the panel names when it cannot paste for the user.
    EXPECT_EQ(words.text("Copied \u2014 press \u21E7\u2318V to paste"),
              "Copied \u2014 press Ctrl+Shift+V to paste");
    EXPECT_EQ(words.text("Copied \u2014 press \u21E7Insert to paste"),
              "Copied \u2014 press Shift+Insert to paste");
    // A text with nothing of the Mac's stays as it is, whatever its script.
    EXPECT_EQ(words.text("\u05E9\u05DC\u05D5\u05DD \u2318"), "\u05E9\u05DC\u05D5\u05DD Ctrl");

    // When the file manager cannot be told, it is the File Manager.
    int asked = 0;
    const LinuxPlatformWords unknown([&asked] {
        ++asked;
        return std::optional<QString>();
    });
    EXPECT_EQ(unknown.text("Reveal in Finder"), "Reveal in File Manager");
    EXPECT_EQ(unknown.text("Reveal in Finder"), "Reveal in File Manager");
    EXPECT_EQ(asked, 1);
}

TEST(LinuxWords, TranslatedTextsKeepTheMacsWordsForTheTableToSpell) {
    // Catalogues of other areas keep Finder, System Settings and the glyphs verbatim; the table then
    // spells them, and the key names, in the user's language.
    struct English {
        ~English() { Translations::install({QStringLiteral(ZARVO_TRANSLATIONS_DIR)}, {"en"}); }
    } restore;
    ASSERT_EQ(Translations::install({QStringLiteral(ZARVO_TRANSLATIONS_DIR)}, {"de"}), "de");
    const LinuxPlatformWords german([] { return std::optional<QString>(); });
    EXPECT_EQ(german.text("Öffnen Sie System Settings oder zeigen Sie es im Finder (⌘↩)."),
              "Öffnen Sie Einstellungen oder zeigen Sie es im Dateimanager (Strg+↩).");
    EXPECT_EQ(german.hotKey(0x300, "V"), "Umschalt+Super+V");
    EXPECT_EQ(german.hotKey(0x1000, "Space"), "Strg+Leertaste");
    EXPECT_EQ(german.keys("⌥Space"), "Alt+Leertaste");
    // A sentence other areas translate whole is found in its translation, not split into key combinations.
    EXPECT_EQ(german.text("Das Kürzel muss ⌘, ⌥ oder ⌃ enthalten."),
              "Das Kürzel muss Strg, Alt oder Super enthalten.");
    EXPECT_EQ(german.title("TextEdit"), "Texteditor");

    ASSERT_EQ(Translations::install({QStringLiteral(ZARVO_TRANSLATIONS_DIR)}, {"fr"}), "fr");
    const LinuxPlatformWords french([] { return std::optional<QString>(); });
    EXPECT_EQ(french.text("Ouvrez System Settings ou le Finder (⇧⌘V)"),
              "Ouvrez Paramètres ou le Gestionnaire de fichiers (Ctrl+Maj+V)");
}

TEST(LinuxWords, StartupIdsCarryTheirTime) {
    EXPECT_EQ(linux_::LinuxPanelWindowing::startupIdTime("xterm-1234-host-zarvo-0_TIME4242"), 4242ul);
    EXPECT_EQ(linux_::LinuxPanelWindowing::startupIdTime("no-time-here"), 0ul);
    EXPECT_EQ(linux_::LinuxPanelWindowing::startupIdTime(""), 0ul);
}
