#include "RunnerStatus.h"

#include "Plent/history/TimeText.h"
#include "Platform/dates/Clock.h"

using History::TimeText;

RunnerStatus::RunnerStatus() : since_(Platform::Clock::now()) {}

void RunnerStatus::setOutlook(const Plent::RunnerOutlook& outlook)
{
    if (outlook == outlook_) return;
    outlook_ = outlook;
    emit changed();
}

void RunnerStatus::setRunning(const QStringList& identifiers)
{
    if (identifiers == running_) return;
    running_ = identifiers;
    emit changed();
}

void RunnerStatus::addFailure(const QString& identifier, const QString& text)
{
    lastFailure_ = Failure{identifier, text, Platform::Clock::now()};
    failureUnseen_ = true;
    emit changed();
}

void RunnerStatus::markSeen()
{
    if (!failureUnseen_) return;
    failureUnseen_ = false;
    emit changed();
}

QString RunnerStatus::report() const
{
    QString lines = "running since " + TimeText::of(since_) + '\n';
    lines += QString::number(outlook_.events) + " events\n";
    if (outlook_.nextStart == 0) lines += "next start: none\n";
    else
        lines += "next start: " + QString::fromStdString(outlook_.nextIdentifier) + " at " +
                 TimeText::of(Platform::DateTime::fromDate(outlook_.nextStart)) + '\n';
    if (!running_.isEmpty()) lines += "running now: " + running_.join(", ") + '\n';
    if (!lastFailure_) return lines + "last failure: none\n";
    return lines + "last failure: " + lastFailure_->identifier + " at " + TimeText::of(lastFailure_->when) + ": " +
           lastFailure_->text + '\n';
}
