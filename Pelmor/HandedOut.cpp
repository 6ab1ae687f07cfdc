#include "HandedOut.h"

HandedOut HandedOut::of(const Plent::HandOut& h)
{
    return {h.identifier, h.description, h.parameter, h.alarm, h.due, h.delay, h.delayMode, h.late, h.held, {}, false};
}
