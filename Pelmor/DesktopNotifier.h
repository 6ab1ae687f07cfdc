#pragma once
#include <QObject>
#include <QString>

#include "OnceReport.h"

// Sends desktop notifications to the freedesktop notification service on
// the session bus, without waiting for an answer. Without a bus or a
// service nothing fails: it is told once on standard error.
class DesktopNotifier : public QObject {
    Q_OBJECT
public:
    explicit DesktopNotifier(QObject* parent = nullptr);

    void notify(const QString& title, const QString& body);

private:
    OnceReport report_{"desktop notifications are not shown"};
};
