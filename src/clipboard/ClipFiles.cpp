#include "clipboard/ClipFiles.h"

#include <QFile>
#include <QSaveFile>

namespace zarvo::clipfiles {

bool writeAtomically(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    file.setPermissions(ownerOnly);
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

std::optional<QByteArray> readSmallFile(const QString& path, qint64 limit) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > limit) return std::nullopt;
    return file.read(limit + 1);
}

} // namespace zarvo::clipfiles
