#pragma once

#include <QByteArray>
#include <QHash>
#include <QMutex>
#include <QString>
#include <QStringList>

namespace zarvo::linux_ {

// A module of ours that links a large library used only now and then (poppler, OpenSSL): loaded the
// first time one of its entry points is asked for, from any thread, and kept from then on.
class OnDemandModule {
public:
    explicit OnDemandModule(QStringList candidates) : m_candidates(std::move(candidates)) {}

    // The entry point `symbol`, or null when the module cannot be loaded; the first failure is logged
    // to the standard error with the places looked at, and `error()` says it.
    void* entry(const char* symbol);
    QString error() const;

private:
    mutable QMutex m_mutex;
    const QStringList m_candidates;
    QHash<QByteArray, void*> m_entries;
    QString m_error;
    bool m_logged = false;
};

} // namespace zarvo::linux_
