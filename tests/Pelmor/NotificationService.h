#pragma once
// A private session bus for one test and a notification service of the
// test's own on it, which records what it is asked to show.
#include <QDBusConnection>
#include <QObject>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QVariantMap>

#include <vector>

struct Notification {
    QString title;
    QString body;
};

class NotificationService : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    // Starts the bus (dbus-daemon) and registers the service on it; the bus
    // ends with the object.
    NotificationService();
    ~NotificationService() override;

    // Empty when the bus or the service could not be set up.
    const QString& address() const { return address_; }
    const std::vector<Notification>& received() const { return received_; }
    // What GetCapabilities answers; none unless set.
    void announce(const QStringList& capabilities) { capabilities_ = capabilities; }

public slots:
    QStringList GetCapabilities() const { return capabilities_; }
    uint Notify(const QString& appName, uint replacesId, const QString& appIcon, const QString& summary,
                const QString& body, const QStringList& actions, const QVariantMap& hints, int expireTimeout);

private:
    QProcess daemon_;
    QString address_;
    std::vector<Notification> received_;
    QStringList capabilities_;
};
