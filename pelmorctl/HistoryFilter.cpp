#include "HistoryFilter.h"

#include "DateText.h"
#include "Plent/history/TimeText.h"

namespace Ctl {

HistoryFilter::HistoryFilter(const Arguments& args) : failedOnly_(args.has("failed"))
{
    if (const auto id = args.value("id")) identifier_ = QString::fromStdString(*id);
    // Times in the history sort as they read.
    if (const auto since = args.value("since")) since_ = History::TimeText::of(DateText::parseArgument(*since, "--since"));
}

bool HistoryFilter::admits(const History::RunRecord& run) const
{
    if (identifier_ && run.identifier().compare(*identifier_, Qt::CaseInsensitive) != 0) return false;
    if (since_ && run.time() < *since_) return false;
    return !failedOnly_ || run.failed();
}

} // namespace Ctl
