#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace zarvo::linux_ {

// System Settings pane URLs ("x-apple.systempreferences:com.apple.BluetoothSettings") mapped to the
// running desktop's own settings panels.
namespace SettingsPanes {

inline constexpr const char* scheme = "x-apple.systempreferences";

// The command (program, then arguments) that opens the pane on the first of `desktops` that has an
// equivalent panel; none when no desktop has one (the settings application is then opened instead).
std::optional<QStringList> command(const QString& paneIdentifier, const QStringList& desktops);

} // namespace SettingsPanes
} // namespace zarvo::linux_
