#pragma once
#include <QJsonObject>

#include "WhyFacts.h"

namespace Ctl {

// The engine's decisions for one event at one moment as a JSON object: the
// event, the grid point, each step of the next-start rule (rule, element,
// times before and after), the delay rule, the run and the next start.
class WhyJson {
public:
    static QJsonObject of(const WhyFacts& facts);

private:
    static QJsonArray steps(const Plent::StartTrace& trace);
};

} // namespace Ctl
