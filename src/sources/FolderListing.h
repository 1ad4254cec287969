#pragma once

#include <QString>
#include <QStringList>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

namespace zarvo {

// A folder's entry names as path completion lists them, kept while the folder is unchanged: every
// keystroke in `~/Downloads/` lists the same folder again, and reading a folder of thousands of
// entries (and decoding their names) costs more than everything else completion does.
struct FolderListing {
    QStringList names; // in the order the file system lists them
    // names[i].toLower(), made on first use (a listing without a typed prefix never needs it).
    const QStringList& lowered() const {
        std::call_once(m_loweredOnce, [this] {
            m_lowered.reserve(names.size());
            for (const QString& name : names)
                m_lowered << name.toLower();
        });
        return m_lowered;
    }
    // Indices of the first names in an order named by `order` (a collation's locale), computed by
    // `make` once per listing and order.
    template <typename Make> std::vector<qsizetype> firstInOrder(const QString& order, Make make) const {
        std::lock_guard lock(m_firstMutex);
        if (!m_first || m_firstOrder != order) {
            m_first = make();
            m_firstOrder = order;
        }
        return *m_first;
    }

    // The listing of an absolute folder, from the kept one when the folder has not changed since; an
    // empty listing when it cannot be read. Hidden names (a leading dot) only with `includeHidden`;
    // never "." and "..".
    static std::shared_ptr<const FolderListing> of(const QString& folder, bool includeHidden);

private:
    mutable std::once_flag m_loweredOnce;
    mutable QStringList m_lowered;
    mutable std::mutex m_firstMutex;
    mutable QString m_firstOrder;
    mutable std::optional<std::vector<qsizetype>> m_first;
};

} // namespace zarvo
