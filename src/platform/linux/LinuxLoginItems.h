#pragma once

#include "platform/HotKeys.h"

namespace zarvo {
class Environment;
}

namespace zarvo::linux_ {

// Launch at login through the XDG autostart folder: $XDG_CONFIG_HOME/autostart/<identifier>.desktop.
class LinuxLoginItems : public LoginItems {
public:
    // `executable` is the program started at login (normally this process's own binary).
    LinuxLoginItems(const Environment& environment, QString executable);

    bool isEnabled() const override;
    std::optional<QString> setEnabled(bool enabled) override;

    QString entryPath() const;
    // The Exec value for a program path, quoted by the desktop entry rules.
    static QString execLine(const QString& program);

private:
    const Environment& m_environment;
    QString m_executable;
};

} // namespace zarvo::linux_
