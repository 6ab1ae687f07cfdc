#include "NotificationService.h"

namespace {
const QString ConnectionName = "pelmor-test-bus";
}

NotificationService::NotificationService()
{
    daemon_.start("dbus-daemon", {"--session", "--nofork", "--nopidfile", "--print-address=1"});
    if (!daemon_.waitForStarted(5000)) return;
    while (!daemon_.canReadLine() && daemon_.waitForReadyRead(5000)) {
    }
    const QString address = QString::fromUtf8(daemon_.readLine()).trimmed();
    QDBusConnection bus = QDBusConnection::connectToBus(address, ConnectionName);
    if (!bus.isConnected() || !bus.registerService("org.freedesktop.Notifications")) return;
    if (!bus.registerObject("/org/freedesktop/Notifications", this, QDBusConnection::ExportAllSlots)) return;
    address_ = address;
}

NotificationService::~NotificationService()
{
    QDBusConnection::disconnectFromBus(ConnectionName);
    daemon_.kill();
    daemon_.waitForFinished(5000);
}

uint NotificationService::Notify(const QString&, uint, const QString&, const QString& summary, const QString& body,
                                 const QStringList&, const QVariantMap&, int)
{
    received_.push_back({summary, body});
    return static_cast<uint>(received_.size());
}
