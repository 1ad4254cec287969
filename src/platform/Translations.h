#pragma once

#include <QString>
#include <QStringList>

namespace zarvo::Translations {

// The languages the user reads, most wanted first, as the desktop says them: LANGUAGE's list, else
// LC_ALL, LC_MESSAGES, LANG (Qt's system locale reads them in that order on Unix).
QStringList preferredLanguages();

// Installs in the running QCoreApplication Zarvo's catalogue (zarvo_<lang>.qm) for the first of
// `languages` that one of `folders` holds, with Qt's own texts (standard buttons) in that language; the
// English catalogue, which holds only the plural forms, when the language is English or none is shipped.
// Replaces what an earlier call installed. Returns the language whose catalogue was loaded ("en" also
// when no catalogue was found at all).
QString install(const QStringList& folders, const QStringList& languages = preferredLanguages());

} // namespace zarvo::Translations
