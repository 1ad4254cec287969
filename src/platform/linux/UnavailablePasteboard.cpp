#include "platform/linux/UnavailablePasteboard.h"

#include <QtGlobal>

namespace zarvo::linux_ {

QString UnavailablePasteboard::noDisplayMessage(const QString& feature) {
    return QStringLiteral("%1 needs a graphical session (no display is available)").arg(feature);
}

void UnavailablePasteboard::refuse() {
    qWarning("Zarvo: %s", qPrintable(noDisplayMessage(QStringLiteral("The clipboard"))));
}

} // namespace zarvo::linux_
