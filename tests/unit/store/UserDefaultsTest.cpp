#include "store/UserDefaults.h"
#include "fakes/FakePlatform.h"

#include <gtest/gtest.h>

using namespace zarvo;

TEST(UserDefaults, StoredValuesShadowRegisteredOnesAndWriteThrough) {
    fakes::FakePlatform p;
    UserDefaults defaults(p.defaults, QStringLiteral("test.domain"));
    defaults.registerDefaults({{QStringLiteral("n"), 15}, {QStringLiteral("flag"), true}});
    EXPECT_EQ(defaults.integer(QStringLiteral("n")), 15);
    EXPECT_FALSE(defaults.hasStoredValue(QStringLiteral("n")));
    defaults.set(QStringLiteral("n"), 7);
    EXPECT_EQ(defaults.integer(QStringLiteral("n")), 7);
    EXPECT_EQ(p.defaults.domains.value(QStringLiteral("test.domain")).value(QStringLiteral("n")).toInt(), 7);
    // Registered values are never written.
    EXPECT_FALSE(p.defaults.domains.value(QStringLiteral("test.domain")).contains(QStringLiteral("flag")));
    defaults.remove(QStringLiteral("n"));
    EXPECT_EQ(defaults.integer(QStringLiteral("n")), 15);
    // A value of another type reads as absent rather than as garbage.
    defaults.set(QStringLiteral("blob"), QByteArray("xyz"));
    EXPECT_FALSE(defaults.integer(QStringLiteral("blob")).has_value());
    EXPECT_FALSE(defaults.stringArray(QStringLiteral("blob")).has_value());
    EXPECT_EQ(defaults.data(QStringLiteral("blob")), QByteArray("xyz"));
}
