#include "platform/linux/UnavailablePasteboard.h"

#include <QCoreApplication>

namespace zarvo::linux_ {

QString UnavailablePasteboard::noDisplayMessage(const QString& feature) {
    //: %1 is what cannot work ("The clipboard", "Zarvo"), begun with a capital.
    return QCoreApplication::translate("UnavailablePasteboard", "%1 needs a graphical session (no display is "
                                                                "available)")
        .arg(feature);
}

void UnavailablePasteboard::refuse() {
    qWarning("Zarvo: %s", qPrintable(noDisplayMessage(QStringLiteral("The clipboard"))));
}

} // namespace zarvo::linux_
