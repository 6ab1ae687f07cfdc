#include "DesktopNotifier.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QVariantMap>

#include "NotificationText.h"

namespace {

constexpr int CapabilitiesWait = 2000;

QDBusMessage callOf(const char* method)
{
    return QDBusMessage::createMethodCall("org.freedesktop.Notifications", "/org/freedesktop/Notifications",
                                          "org.freedesktop.Notifications", method);
}

} // namespace

DesktopNotifier::DesktopNotifier(QObject* parent) : QObject(parent) {}

void DesktopNotifier::notify(const QString& title, const QString& body)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        report_.failed("no session bus: " + bus.lastError().message().toStdString());
        return;
    }
    if (markup_) return send(bus, title, body);
    waiting_.emplace_back(title, body);
    if (!asked_) askCapabilities(bus);
}

// A server that cannot say gets plain text; whether it shows anything at
// all the notifications themselves tell.
void DesktopNotifier::askCapabilities(QDBusConnection& bus)
{
    asked_ = true;
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(callOf("GetCapabilities"), CapabilitiesWait), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher] {
        const QDBusPendingReply<QStringList> reply = *watcher;
        markup_ = !reply.isError() && reply.value().contains("body-markup");
        watcher->deleteLater();
        QDBusConnection bus = QDBusConnection::sessionBus();
        for (const auto& [title, body] : std::exchange(waiting_, {})) send(bus, title, body);
    });
}

void DesktopNotifier::send(QDBusConnection& bus, const QString& title, const QString& body)
{
    QDBusMessage call = callOf("Notify");
    call << QString("Pelmor") << 0u << QString() << title << NotificationText::body(body, *markup_) << QStringList()
         << QVariantMap() << -1;
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher] {
        const QDBusPendingReply<unsigned> reply = *watcher;
        if (reply.isError()) report_.failed(reply.error().message().toStdString());
        else report_.succeeded();
        watcher->deleteLater();
    });
}
