#pragma once
#include <QObject>
#include <QString>
#include <QTimer>

#include <vector>

#include "RunnerTexts.h"

class DesktopNotifier;

// Collects what a poll (and the ends noticed around it) has to tell and
// sends it when control returns to the event loop: one notification per
// event, its lines joined, and no more than five, the rest summed up in
// one ("N more events failed").
class NotificationBatch : public QObject {
    Q_OBJECT
public:
    static constexpr size_t MaxPerBatch = 5;

    NotificationBatch(DesktopNotifier& notifier, const RunnerTexts& texts, QObject* parent = nullptr);

    void add(const QString& identifier, const QString& line);

private:
    struct Pending {
        QString identifier;
        QString body;
    };
    void send();

    DesktopNotifier& notifier_;
    const RunnerTexts& texts_;
    std::vector<Pending> pending_;
    QTimer flush_;
};
