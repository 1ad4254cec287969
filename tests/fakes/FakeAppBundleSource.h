#pragma once

// Installed applications the test lists by hand; `set` replaces them and reports a change.

#include "platform/AppBundle.h"

namespace zarvo::fakes {

class FakeAppBundleSource : public AppBundleSource {
    Q_OBJECT
public:
    QList<AppBundle> bundles;

    QList<AppBundle> scan() override { return bundles; }
    QStringList folders() const override { return {}; }
    void set(const QList<AppBundle>& list) {
        bundles = list;
        emit changed();
    }
};

} // namespace zarvo::fakes
