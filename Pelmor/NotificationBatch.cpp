#include "NotificationBatch.h"

#include "DesktopNotifier.h"

NotificationBatch::NotificationBatch(DesktopNotifier& notifier, const RunnerTexts& texts, QObject* parent)
    : QObject(parent), notifier_(notifier), texts_(texts)
{
    flush_.setSingleShot(true);
    flush_.setInterval(0);
    connect(&flush_, &QTimer::timeout, this, &NotificationBatch::send);
}

void NotificationBatch::add(const QString& identifier, const QString& line)
{
    flush_.start();
    for (Pending& p : pending_) {
        if (p.identifier != identifier) continue;
        p.body += '\n' + line;
        return;
    }
    pending_.push_back({identifier, line});
}

void NotificationBatch::send()
{
    const std::vector<Pending> batch = std::move(pending_);
    pending_.clear();
    for (size_t i = 0; i < batch.size() && i < MaxPerBatch; ++i) notifier_.notify(batch[i].identifier, batch[i].body);
    if (batch.size() > MaxPerBatch)
        notifier_.notify("Pelmor", texts_.text(RunnerTexts::MoreFailed, QString::number(batch.size() - MaxPerBatch)));
}
