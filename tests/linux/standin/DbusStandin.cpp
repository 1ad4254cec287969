// Stands in for a desktop service on a test's private bus and records what it is asked:
//   dbus_standin NAME PATH LOG [--refuse] [--once] [--interface=INTERFACE]
// owns NAME on the bus of DBUS_STARTER_ADDRESS, answers every call to PATH and appends one line
// "NAME MEMBER ARG…" to LOG (a dictionary as JSON). --refuse answers NotSupported instead (as
// GNOME's freedesktop screen saver proxy does); --once exits after the first call (as Plasma's logout
// prompt does); --interface refuses, unrecorded, the calls to any other interface.
#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVirtualObject>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTimer>
#include <cstdio>

namespace {

class StandIn : public QDBusVirtualObject {
public:
    QString name, log, interface;
    bool refuse = false, once = false;

    QString introspect(const QString&) const override { return {}; }
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override {
        if (!interface.isEmpty() && message.interface() != interface) return false;
        QStringList line{name, message.member()};
        for (QVariant argument : message.arguments()) {
            if (argument.userType() == qMetaTypeId<QDBusArgument>()) // a dictionary, such as hints
                argument = QJsonDocument(QJsonObject::fromVariantMap(qdbus_cast<QVariantMap>(argument)))
                               .toJson(QJsonDocument::Compact);
            line << argument.toString();
        }
        QFile file(log);
        if (file.open(QIODevice::Append))
            file.write((line.join(QLatin1Char(' ')) + QLatin1Char('\n')).toUtf8());
        file.close();
        connection.send(
            refuse ? message.createErrorReply(QStringLiteral("org.freedesktop.DBus.Error.NotSupported"),
                                              QStringLiteral("This method is not implemented"))
                   : message.createReply());
        if (once) QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        return true;
    }
};

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 4) {
        std::fprintf(stderr, "usage: dbus_standin NAME PATH LOG [--refuse] [--once]\n");
        return 2;
    }
    StandIn object;
    object.name = args[1];
    object.log = args[3];
    object.refuse = args.contains(QStringLiteral("--refuse"));
    object.once = args.contains(QStringLiteral("--once"));
    object.interface = args.filter(QStringLiteral("--interface=")).value(0).section(QLatin1Char('='), 1);
    QDBusConnection bus = QDBusConnection::connectToBus(qEnvironmentVariable("DBUS_STARTER_ADDRESS"),
                                                        QStringLiteral("standin"));
    if (!bus.isConnected() || !bus.registerVirtualObject(args[2], &object) || !bus.registerService(args[1])) {
        std::fprintf(stderr, "dbus_standin: cannot serve %s\n", qPrintable(args[1]));
        return 1;
    }
    return app.exec();
}
