#pragma once

#include "platform/Previewer.h"

namespace zarvo::linux_ {

// GNOME's previewer (sushi) over the session bus: it previews what GNOME Files previews.
class GnomePreviewer : public Previewer {
    Q_OBJECT
public:
    bool isAvailable() const override;
    bool show(const QUrl& file, quintptr parent) override;
};

} // namespace zarvo::linux_
