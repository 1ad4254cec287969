#include "platform/linux/LinuxInstallation.h"

#include <QFile>
#include <QRegularExpression>
#include <sys/stat.h>

namespace zarvo::linux_ {

namespace {

QString decodeOctal(const QByteArray& field) {
    QByteArray out;
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size()) {
            bool ok = false;
            const int value = field.mid(i + 1, 3).toInt(&ok, 8);
            if (ok) {
                out += char(value);
                i += 3;
                continue;
            }
        }
        out += field[i];
    }
    return QFile::decodeName(out);
}

} // namespace

QList<LinuxInstallation::Mount> LinuxInstallation::parseMountInfo(const QByteArray& text) {
    QList<Mount> result;
    for (const QByteArray& line : text.split('\n')) {
        const QList<QByteArray> fields = line.split(' ');
        // id parent major:minor root mount-point options [optional…] - type source super-options
        const qsizetype dash = fields.indexOf("-");
        if (fields.size() < 6 || dash < 6 || dash + 3 > fields.size()) continue;
        Mount mount;
        mount.mountPoint = decodeOctal(fields[4]);
        for (const QByteArray& option : fields[5].split(','))
            mount.options << QString::fromUtf8(option);
        mount.type = decodeOctal(fields[dash + 1]);
        mount.source = decodeOctal(fields[dash + 2]);
        if (dash + 3 < fields.size())
            for (const QByteArray& option : fields[dash + 3].split(','))
                mount.options << QString::fromUtf8(option);
        result << mount;
    }
    return result;
}

bool LinuxInstallation::isImageMount(const Mount& mount, const QString& sysfs) {
    static const QStringList imageTypes{QStringLiteral("iso9660"), QStringLiteral("udf"),
                                        QStringLiteral("squashfs")};
    if (imageTypes.contains(mount.type)) return true;
    static const QRegularExpression optical(QStringLiteral("^/dev/sr[0-9]+$"));
    if (optical.match(mount.source).hasMatch()) return true;
    static const QRegularExpression loop(QStringLiteral("^/dev/(loop[0-9]+)$"));
    const QRegularExpressionMatch device = loop.match(mount.source);
    if (!device.hasMatch()) return false;
    // A loop device may also stand for a whole disk handed in by a block device; only a file is an image.
    QFile backing(sysfs + QLatin1String("/block/") + device.captured(1) +
                  QLatin1String("/loop/backing_file"));
    if (!backing.open(QIODevice::ReadOnly)) return false;
    const QString file = QString::fromUtf8(backing.read(4096)).trimmed();
    if (!file.startsWith(QLatin1Char('/'))) return false;
    struct stat info {};
    // The file may be gone (a deleted image stays attached): what the kernel says is enough then.
    return ::stat(QFile::encodeName(file).constData(), &info) != 0 || S_ISREG(info.st_mode);
}

} // namespace zarvo::linux_
