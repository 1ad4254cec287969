#pragma once

#include "app/Updater.h"

#include <QString>
#include <memory>

class QMessageBox;

namespace zarvo::app {

// The dialogs of update checks. Every text that came from the feed or the server is shown as plain
// text, cleaned and shortened, with no link to follow: nothing in them is trusted before verification.
std::unique_ptr<QMessageBox> foundBox(const Updater::Found& found, const QString& runningVersion);
std::unique_ptr<QMessageBox> errorBox(const QString& error);

// Shows what a check found; true when the user chose to install it.
bool showFound(const Updater::Found& found, const QString& runningVersion);

} // namespace zarvo::app
