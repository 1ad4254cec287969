// Typed text is untrusted: path expansion and query parsing must survive anything, in any encoding.
#include "FuzzSupport.h"
#include "fakes/FakePlatform.h"
#include "search/SearchQuery.h"
#include "sources/PathInput.h"

using namespace zarvo;

namespace {

void check(const QString& text) {
    static fakes::FakePlatform* fake = [] {
        auto* platform = new fakes::FakePlatform; // lives for the whole run
        platform->environment.vars.insert(QStringLiteral("PATH"), QStringLiteral("/usr/bin:/bin"));
        return platform;
    }();
    static const QDateTime now(QDate(2026, 3, 14), QTime(15, 9, 26));
    (void)PathInput::expand(fake->platform, text);
    (void)PathInput::expandVariables(fake->platform, text);
    (void)PathInput::looksLikePath(text);
    (void)PathInput::looksLikeFileName(text);
    (void)PathInput::webURL(text);
    const SearchQuery query = SearchQuery::parse(fake->platform, text, now);
    // The term holds only words that are not filters: parsing it again must give it back unchanged.
    const SearchQuery again = SearchQuery::parse(fake->platform, query.term, now);
    fuzz::require(again.term == query.term && !again.hasFilters(), "the term parses as itself", text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return fuzz::checkTexts(data, size, size_t(1) << 20, check);
}
