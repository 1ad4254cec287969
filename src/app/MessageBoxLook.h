#pragma once

#include <QString>

class QMessageBox;

namespace zarvo::app {

// The look every message box of ours shares: the application's icon (from `iconFile` when that exists,
// else from the icon theme) and a minimum width, so that a path or a two-line answer is not folded into
// a narrow column.
void dressMessageBox(QMessageBox& box, int minimumWidth, const QString& iconFile = {});

} // namespace zarvo::app
