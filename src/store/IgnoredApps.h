#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

namespace zarvo::IgnoredApps {

// The applications whose copies are never saved, kept by one form: the application's desktop-file id
// without ".desktop" (org.keepassxc.KeePassXC). By default the password managers people run on Linux,
// under each id their packagings use (distribution package, vendor package, Flatpak).
const QStringList& defaults();

// The defaults of earlier versions (macOS identifiers), which stored settings may still hold.
const QStringList& formerDefaults();

// One stored entry in the desktop-file-id form: a path to an entry and a name with ".desktop" become
// the id (a default id that itself ends in ".desktop" stays whole); anything else is kept, trimmed.
QString normalized(const QString& entry);

// A stored list brought to the desktop-file-id form: entries normalised; a former default becomes its
// Linux counterparts; an entry equal to a default id but for case takes the default's case; a list that
// still holds every former default gains the new ones. Entries that cannot be mapped are kept; empty
// entries and repeats (ignoring case) go. Applying it twice changes nothing more.
QStringList migrate(const QStringList& stored);

// Whether any of `identities` (the desktop-file ids of the applications a copy may come from) is in the
// list. Desktop-file ids are compared without regard to case, and with or without a ".desktop" suffix.
bool containsAny(const QStringList& ignored, const QSet<QString>& identities);

} // namespace zarvo::IgnoredApps
