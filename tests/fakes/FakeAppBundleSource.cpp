#include "fakes/FakeAppBundleSource.h"
