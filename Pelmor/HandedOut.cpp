#include "HandedOut.h"

HandedOut HandedOut::of(const Plent::HandOut& h)
{
    return {h.identifier, h.description,    h.parameter,   h.alarm, h.facts.nextStart,
            h.facts.delay, h.facts.delayMode, h.facts.late, h.held, {}, false};
}
