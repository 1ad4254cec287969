#include "sources/NetworkPath.h"

#include <gtest/gtest.h>

using namespace zarvo;

namespace {
QString address(const QString& text) {
    auto url = NetworkPath::url(text);
    return url ? url->toString(QUrl::FullyEncoded) : "<none>";
}
} // namespace

TEST(NetworkPath, WindowsSharesBecomeSmbAddresses) {
    EXPECT_EQ(address("\\\\nas"), "smb://nas");
    EXPECT_EQ(address("\\\\nas\\share\\"), "smb://nas/share");
    EXPECT_EQ(address("\\\\nas\\media\\My Films"), "smb://nas/media/My%20Films");
    // Doubled separators and surrounding blanks and line breaks do not matter.
    EXPECT_EQ(address(" \t\\\\nas\\\\share\\\\\\x \n"), "smb://nas/share/x");
    // Share and folder names are data: URL delimiters and percent signs in them are encoded.
    EXPECT_EQ(address("\\\\nas\\a#b?c%d\\e f"), "smb://nas/a%23b%3Fc%25d/e%20f");
    EXPECT_EQ(address("\\\\nas\\Bilder\\Größe"), "smb://nas/Bilder/Gr%C3%B6%C3%9Fe");
    // The server keeps a user and a port as typed.
    EXPECT_EQ(address("\\\\ann@nas:445\\x"), "smb://ann@nas:445/x");
    EXPECT_EQ(NetworkPath::url("\\\\nas\\x")->host(), "nas");
    // Forward slashes typed into a share path still separate folders.
    EXPECT_EQ(address("\\\\nas/share\\x"), "smb://nas/share/x");

    for (const char* text : {"\\\\\\\\", "\\\\", "\\nas\\share", "C:\\Users", "\\\\my server\\share",
                             "\\\\nas<>\\x", "\\\\#as\\x", "\\\\nas?\\x", "\\\\/x", "", "   "})
        EXPECT_FALSE(NetworkPath::url(QString::fromUtf8(text))) << text;
}

TEST(NetworkPath, ServerAddressesOfTheListedSchemes) {
    for (const char* text :
         {"smb://nas/share", "afp://mac.local/Public", "nfs://server/export", "ftp://files.example.org",
          "sftp://ann@host:22/home/ann", "vnc://10.0.0.5:5901", "cifs://nas/share"}) {
        EXPECT_EQ(address(QString::fromUtf8(text)), QString::fromUtf8(text));
    }
    // The scheme is recognised in any case (URLs carry it in lower case).
    auto upper = NetworkPath::url("VNC://Host");
    ASSERT_TRUE(upper);
    EXPECT_EQ(upper->scheme(), "vnc");
    EXPECT_EQ(upper->host(), "host");
    // A typed address with spaces still works.
    EXPECT_EQ(address("smb://nas/My Share"), "smb://nas/My%20Share");
    EXPECT_EQ(address("  smb://nas/My Share/a b\n"), "smb://nas/My%20Share/a%20b");
    EXPECT_EQ(address("smb://nas/a #1"), "smb://nas/a%20%231");

    for (const char* text :
         {"https://example.com", "http://nas/share", "zarvo://run", "file:///etc", "smb:/nas", "smb:nas",
          "nas/share", "smb ://nas", " ://nas", "://", "smb://my server/share"})
        EXPECT_FALSE(NetworkPath::url(QString::fromUtf8(text))) << text;
}
