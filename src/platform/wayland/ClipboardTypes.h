#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QStringList>
#include <functional>
#include <utility>

namespace zarvo::wayland {

// One representation of a copy: its MIME type and bytes.
struct Representation {
    QByteArray mime;
    QByteArray bytes;
};

// How another application's copy is read: which types to fetch (with their own maximum, 0: the
// per-type one), the limits of one type and of all together, and a deadline for the whole read.
struct ReadPolicy {
    qint64 perType = 25'000'000;
    qint64 total = 50'000'000;
    int deadlineMs = 2000;
    // Called on the worker thread with the offered types; returns the ones to fetch, in order.
    std::function<QList<std::pair<QByteArray, qint64>>(const QStringList& offered)> wanted;
};

// A new selection as the clipboard watcher read it.
struct ClipboardRead {
    enum class Outcome {
        Read,     // the wanted types were read
        Empty,    // nothing is on the clipboard (its owner went away)
        Private,  // marked as a secret by a password manager: nothing was read
        TimedOut, // the owner did not hand the data over in time
        TooLarge, // more than the limits allow
        Failed,
    };
    Outcome outcome = Outcome::Failed;
    // Every type offered, in the owner's order.
    QStringList offered;
    // The wanted types the owner answered, under their own names.
    QHash<QByteArray, QByteArray> data;
    // What was on the clipboard when the watcher started, not a new copy.
    bool initial = false;
    // Milliseconds from the compositor's announcement to the last byte read.
    qint64 readMs = 0;
    // How many selections of ours had been set when the read began: one set after it makes it stale.
    quint64 ownSetsBefore = 0;
};

// The markers password managers (KeePassXC, KDE's) put on a copied secret; their value does not matter.
inline bool isPrivateOffer(const QStringList& offered) {
    return offered.contains(QLatin1String("x-kde-passwordManagerHint")) ||
           offered.contains(QLatin1String("text/x-kde-passwordManagerHint"));
}

} // namespace zarvo::wayland
