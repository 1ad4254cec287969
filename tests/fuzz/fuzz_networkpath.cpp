// Windows share paths and server addresses typed as arbitrary text.
#include "FuzzSupport.h"
#include "sources/NetworkPath.h"

using namespace zarvo;

namespace {

void check(const QString& text) {
    const auto url = NetworkPath::url(text);
    if (!url) return;
    fuzz::require(url->isValid(), "a valid address", text);
    fuzz::require(NetworkPath::schemes().contains(url->scheme()), "one of the network schemes", text);
    if (text.trimmed().startsWith(QLatin1String("\\\\")))
        fuzz::require(url->scheme() == QLatin1String("smb") && !url->host().isEmpty(),
                      "a share is smb://server", text);
    // What comes out is itself an address this function takes back unchanged.
    const QString encoded = url->toString(QUrl::FullyEncoded);
    const auto again = NetworkPath::url(encoded);
    // (Compared as text: QUrl equality also compares how each part was given, "#" or "%23".)
    fuzz::require(again.has_value() && again->toString(QUrl::FullyEncoded) == encoded,
                  "the address reads back as itself", text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return fuzz::checkTexts(data, size, 4096, check);
}
