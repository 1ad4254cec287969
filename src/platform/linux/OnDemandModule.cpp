#include "platform/linux/OnDemandModule.h"

#include "platform/linux/ProgramLocation.h"

#include <cstdio>

namespace zarvo::linux_ {

void* OnDemandModule::entry(const char* symbol) {
    const QMutexLocker lock(&m_mutex);
    if (void* known = m_entries.value(symbol)) return known;
    QString errors;
    if (void* found = ProgramLocation::moduleEntry(m_candidates, symbol, &errors)) {
        m_entries.insert(symbol, found);
        return found;
    }
    m_error = QStringLiteral("a file of Zarvo cannot be loaded; reinstall Zarvo") +
              (errors.isEmpty() ? QStringLiteral(" (looked for ") + m_candidates.join(QLatin1String(", ")) +
                                      QLatin1Char(')')
                                : errors);
    if (!m_logged) {
        m_logged = true;
        std::fprintf(stderr, "zarvo: %s\n", m_error.toUtf8().constData());
        std::fflush(stderr);
    }
    return nullptr;
}

QString OnDemandModule::error() const {
    const QMutexLocker lock(&m_mutex);
    return m_error;
}

} // namespace zarvo::linux_
