#pragma once

#include "platform/Clock.h"
#include "platform/Environment.h"

#include <QByteArray>
#include <QMutex>
#include <optional>

namespace zarvo::linux_ {

// The real process environment, following the XDG base directory rules.
class LinuxEnvironment : public Environment {
public:
    explicit LinuxEnvironment(QString identifier = QString::fromLatin1(kAppIdentifier));

    QString appIdentifier() const override { return m_identifier; }
    std::optional<QString> variable(const QString& name) const override;
    QHash<QString, QString> variables() const override;
    QString homePath() const override;
    QString tempPath() const override;
    QString dataHome() const override;
    QString configHome() const override;
    QString cacheHome() const override;
    QString userName() const override;

private:
    QString xdg(const char* variable, const char* fallback) const;
    QString m_identifier;
    // homePath() is asked for every row's path on every keystroke: the cleaned value is kept while
    // HOME reads the same.
    mutable QMutex m_homeMutex;
    mutable std::optional<QByteArray> m_homeVariable; // HOME as last read (empty: unset)
    mutable QString m_home;
};

class SystemClock : public Clock {
public:
    QDateTime now() const override { return QDateTime::currentDateTimeUtc(); }
};

} // namespace zarvo::linux_
