#pragma once

#include <QString>
#include <QStringList>

namespace zarvo::linux_::ProgramLocation {

// The running program's own file, links resolved (a link in ~/.local/bin leads to the installed copy).
QString program();

// Whether the running program lies in a portable folder (an Info.json of ours beside it).
bool isPortableCopy();

// Where a module of ours may lie, by file name, in the order to try: beside the program (the portable
// folder, a build tree), then the private library folder of an installed package.
QStringList moduleCandidates(const QString& fileName);
// The same for zarvo-cli's desktop module, which its commands load when they need the desktop.
QStringList cliDesktopModuleCandidates();
// Where the translation catalogues may lie: beside the program (the portable folder, a build tree),
// then the installed package's data folder.
QStringList translationFolders();
// The entry point `symbol` of the first of `candidates` that loads and has it; null otherwise, with
// `errors` holding a line for each one that exists but failed (empty: none was found).
void* moduleEntry(const QStringList& candidates, const char* symbol, QString* errors);

} // namespace zarvo::linux_::ProgramLocation
