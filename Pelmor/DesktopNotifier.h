#pragma once
#include <QObject>
#include <QString>

#include <optional>
#include <utility>
#include <vector>

#include "OnceReport.h"

class QDBusConnection;

// Sends desktop notifications to the freedesktop notification service on
// the session bus, without waiting for an answer. Without a bus or a
// service nothing fails: it is told once on standard error. The server is
// asked once for its capabilities, before the first notification, to know
// whether it reads the body as markup; what comes meanwhile waits, in order.
class DesktopNotifier : public QObject {
    Q_OBJECT
public:
    explicit DesktopNotifier(QObject* parent = nullptr);

    void notify(const QString& title, const QString& body);

private:
    void askCapabilities(QDBusConnection& bus);
    void send(QDBusConnection& bus, const QString& title, const QString& body);

    OnceReport report_{"desktop notifications are not shown"};
    // Unknown until the server has answered.
    std::optional<bool> markup_;
    bool asked_ = false;
    std::vector<std::pair<QString, QString>> waiting_;
};
