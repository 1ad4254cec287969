#pragma once

#include "platform/AppIdentifier.h"

#include <QHash>
#include <QString>
#include <optional>

namespace zarvo {

// The process environment and the well-known folders, so tests can run in a sandbox home.
class Environment {
public:
    virtual ~Environment() = default;

    // The identifier this process runs under (the bundle identifier on macOS).
    virtual QString appIdentifier() const = 0;
    virtual std::optional<QString> variable(const QString& name) const = 0;
    virtual QHash<QString, QString> variables() const = 0;
    virtual QString homePath() const = 0;
    virtual QString tempPath() const = 0;
    // Per-user application data root ($XDG_DATA_HOME; "Application Support" on macOS).
    virtual QString dataHome() const = 0;
    virtual QString configHome() const = 0;
    virtual QString cacheHome() const = 0;
    virtual QString userName() const = 0;
};

} // namespace zarvo
