#include "CMonth.h"

namespace Plent {

colDays& CMonth::Days() { return *DaysRef(); }

std::shared_ptr<colDays> CMonth::DaysRef()
{
    if (!days_) days_ = std::make_shared<colDays>();
    return days_;
}

} // namespace Plent
