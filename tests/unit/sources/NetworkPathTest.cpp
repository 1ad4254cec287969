#include "sources/NetworkPath.h"

#include <gtest/gtest.h>

using namespace zarvo;

namespace {
QString address(const char* text) {
    auto url = NetworkPath::url(QString::fromUtf8(text));
    return url ? url->toString(QUrl::FullyEncoded) : "<none>";
}
} // namespace

TEST(NetworkPath, WindowsSharesBecomeSmbAddresses) {
    // Doubled separators and blanks do not matter; URL delimiters and % in names are encoded.
    const std::pair<const char*, const char*> rows[] = {
        {"\\\\nas", "smb://nas"},
        {"\\\\nas\\share\\", "smb://nas/share"},
        {" \t\\\\nas\\\\share\\\\\\x \n", "smb://nas/share/x"},
        {"\\\\nas\\a#b?c%d\\e f", "smb://nas/a%23b%3Fc%25d/e%20f"},
        {"\\\\nas\\Bilder\\Größe", "smb://nas/Bilder/Gr%C3%B6%C3%9Fe"},
        {"\\\\ann@nas:445\\x", "smb://ann@nas:445/x"},
        {"\\\\nas/share\\x", "smb://nas/share/x"}};
    for (const auto& [text, expected] : rows)
        EXPECT_EQ(address(text), expected) << text;
    for (const char* text : {"\\\\\\\\", "\\\\", "\\nas\\share", "C:\\Users", "\\\\my server\\share",
                             "\\\\nas<>\\x", "\\\\#as\\x", "\\\\nas?\\x", "\\\\/x", "", "   "})
        EXPECT_EQ(address(text), "<none>") << text;
}

TEST(NetworkPath, ServerAddressesOfTheListedSchemes) {
    for (const char* text :
         {"smb://nas/share", "afp://mac.local/Public", "nfs://server/export", "ftp://files.example.org",
          "sftp://ann@host:22/home/ann", "vnc://10.0.0.5:5901", "cifs://nas/share"})
        EXPECT_EQ(address(text), QString::fromUtf8(text));
    // The scheme is recognised in any case (URLs carry it in lower case); a typed address with spaces works.
    EXPECT_EQ(address("VNC://Host"), "vnc://host");
    EXPECT_EQ(address("  smb://nas/My Share/a b\n"), "smb://nas/My%20Share/a%20b");
    EXPECT_EQ(address("smb://nas/a #1"), "smb://nas/a%20%231");
    for (const char* text :
         {"https://example.com", "http://nas/share", "zarvo://run", "file:///etc", "smb:/nas", "smb:nas",
          "nas/share", "smb ://nas", " ://nas", "://", "smb://my server/share"})
        EXPECT_EQ(address(text), "<none>") << text;
}
