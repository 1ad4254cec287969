#pragma once

#include "platform/HotKeys.h"

namespace zarvo {
class Environment;
}

namespace zarvo::linux_ {

// Launch at login through the XDG autostart folder: $XDG_CONFIG_HOME/autostart/<identifier>.desktop.
class LinuxLoginItems : public LoginItems {
public:
    // `executable` is the running program (the application or zarvo-cli); login starts the application
    // "zarvo" in its folder.
    LinuxLoginItems(const Environment& environment, QString executable);

    bool isEnabled() const override;
    std::optional<QString> setEnabled(bool enabled) override;

    QString entryPath() const;
    static QString applicationBeside(const QString& program);
    // The Exec value for a program path, quoted by the desktop entry rules; none when the path holds
    // a control character other than a newline, tab or return.
    static std::optional<QString> execLine(const QString& program);
    // A string value with backslash, newline, tab and return escaped; none for other control characters.
    static std::optional<QString> escapedValue(const QString& text);

private:
    const Environment& m_environment;
    QString m_executable;
};

} // namespace zarvo::linux_
