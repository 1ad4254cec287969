#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace zarvo {

// Starts programs. Arguments always travel as a list, never through a shell string.
class Processes {
public:
    struct Result {
        int exitCode = -1;
        QByteArray standardOutput;
        QByteArray standardError;
        std::optional<QString> error; // could not start, crashed …
        bool operator==(const Result&) const = default;
    };

    virtual ~Processes() = default;
    // Starts a program that outlives us; false when it could not start.
    virtual bool startDetached(const QString& program, const QStringList& arguments,
                               const QString& workingDirectory = {}) = 0;
    // Runs a program to its end off the main thread; the completion arrives on the main thread.
    virtual void run(const QString& program, const QStringList& arguments, std::function<void(Result)> done,
                     const QString& workingDirectory = {}) = 0;
};

} // namespace zarvo
