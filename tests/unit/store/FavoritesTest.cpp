#include "store/Favorites.h"
#include "Printers.h"
#include "fakes/FakePlatform.h"
#include "store/UserDefaults.h"

#include <gtest/gtest.h>

using namespace zarvo;

TEST(Favorites, ToggleRemoveReplace) {
    fakes::FakePlatform p;
    const QString domain = fakes::kTestIdentifier;
    UserDefaults d(p.defaults, domain);
    Favorites f(d);
    int spy = 0;
    QObject::connect(&f, &Favorites::keysChanged, [&] { ++spy; });
    EXPECT_TRUE(f.toggle("a"));
    EXPECT_FALSE(f.toggle("a"));
    EXPECT_TRUE(f.keys().isEmpty());
    f.toggle("a");
    f.toggle("b");
    f.toggle("c");
    EXPECT_EQ(f.keys(), (QStringList{"a", "b", "c"}));
    EXPECT_EQ(spy, 5);

    const int saves = p.defaults.saves;
    f.replace("zz", "q");
    EXPECT_EQ(p.defaults.saves, saves);
    f.replace("a", "c");
    EXPECT_EQ(f.keys(), (QStringList{"c", "b", "c"}));
    // Unstarring a key listed twice removes both.
    EXPECT_FALSE(f.toggle("c"));
    EXPECT_EQ(f.keys(), QStringList{"b"});
    f.remove("nothing");
    EXPECT_EQ(p.defaults.saves, saves + 3);
    EXPECT_EQ(p.defaults.domains[domain].value("favorites").toStringList(), QStringList{"b"});

    UserDefaults again(p.defaults, domain);
    EXPECT_EQ(Favorites(again).keys(), QStringList{"b"});

    p.defaults.domains[domain] = {{"favorites", QVariantList{"x", 5}}};
    UserDefaults mixed(p.defaults, domain);
    EXPECT_TRUE(Favorites(mixed).keys().isEmpty());
    p.defaults.domains[domain] = {{"favorites", "x"}};
    UserDefaults text(p.defaults, domain);
    EXPECT_TRUE(Favorites(text).keys().isEmpty());
}
