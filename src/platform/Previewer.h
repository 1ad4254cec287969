#pragma once

#include <QObject>
#include <QUrl>

namespace zarvo {

// The desktop's own file previewer (GNOME's on Linux), when the session has one.
class Previewer : public QObject {
    Q_OBJECT
public:
    virtual bool isAvailable() const = 0;
    // Shows the file over the window `parent` (the window system's id); false when it could not.
    virtual bool show(const QUrl& file, quintptr parent) = 0;
};

} // namespace zarvo
