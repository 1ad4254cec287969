#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace zarvo::app {

// The PDF pages of the preview and the update signature check link large libraries (poppler, OpenSSL)
// that most runs never need: they come from modules of their own, looked for where `candidates` says
// for each file name and loaded the first time they are needed. A module that cannot be loaded is
// said on the standard error; PDFs are then described, and updates refused with the reason.
void installLazyModules(std::function<QStringList(const QString& fileName)> candidates);

} // namespace zarvo::app
