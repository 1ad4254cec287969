#include "store/Favorites.h"
#include "fakes/FakePlatform.h"
#include "fakes/Printers.h"
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
    for (const char* key : {"a", "b", "c"})
        f.toggle(key);
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

    // An entry that is no key (newer or damaged): the keys are used, the original copied aside once first.
    const QVariantList mixed{"x", 5, QVariantMap{{"folder", "/f"}}, "z"};
    for (const QVariant& value : {QVariant(mixed), QVariant("x")}) {
        p.defaults.domains[domain] = {{"favorites", value}};
        {
            UserDefaults d(p.defaults, domain);
            Favorites fav(d);
            const bool list = value.typeId() == QMetaType::QVariantList;
            EXPECT_EQ(fav.keys(), list ? (QStringList{"x", "z"}) : QStringList());
            ASSERT_TRUE(fav.keptAside().has_value());
            EXPECT_EQ(fav.keptAside()->entriesRead, fav.keys().size());
            fav.toggle("y");
        }
        UserDefaults d(p.defaults, domain);
        EXPECT_EQ(d.stringArray("favorites"), value.typeId() == QMetaType::QVariantList
                                                  ? (QStringList{"x", "z", "y"})
                                                  : QStringList{"y"});
        const QStringList asides = d.storedValues().keys().filter("favorites.unreadable-");
        ASSERT_EQ(asides.size(), 1);
        EXPECT_EQ(d.storedValues().value(asides.first()), value);
        EXPECT_FALSE(Favorites(d).keptAside().has_value());
    }
}
