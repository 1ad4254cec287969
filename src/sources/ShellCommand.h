#pragma once

#include <QString>
#include <QUrl>
#include <optional>

namespace zarvo::ShellCommand {

// The row URL of a `>` command: zarvo:run?cmd=<command encoded as a query value>.
QUrl url(const QString& command);

} // namespace zarvo::ShellCommand
