#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <optional>

namespace zarvo {

// One installed application as the desktop lists it in its menus (an application bundle on macOS, a
// desktop entry on Linux). The names are already localised for the user.
struct AppBundle {
    QString location; // the application location the workspace opens (a desktop entry path on Linux)
    QString id;       // the desktop-file id or bundle identifier
    QString name;
    std::optional<QString> genericName; // "Web Browser", "Password Manager"
    QStringList keywords;
    QString executable;          // the program's file name ("nautilus"), may be empty
    std::optional<QString> icon; // a theme icon name or an absolute image path
    qint64 modified = 0;         // seconds since the epoch

    bool operator==(const AppBundle&) const = default;
};

// Where the installed applications come from. `scan` reads them all, one per identifier, already
// filtered as the desktop's menus filter them; it may be called from any thread, one call at a time.
// `changed` (main thread) says that a scan would now give a different answer.
class AppBundleSource : public QObject {
    Q_OBJECT
public:
    virtual QList<AppBundle> scan() = 0;
    // Starts following changes of the installed set; without it `changed` may never come.
    virtual void startWatching() {}
    // The folders the applications are read from, for matching a search scope.
    virtual QStringList folders() const = 0;

signals:
    void changed();
};

} // namespace zarvo
