#include "HandedOut.h"

void HandedOut::askEngine(Kalvor::_CPlentEngine& engine)
{
    Platform::ComPtr<Kalvor::_CPlentHandOut> facts;
    if (engine.QueryInterface(Kalvor::IID__CPlentHandOut, facts.putVoid()) != Platform::S_OK) return;
    Platform::VARIANT_BOOL wasLate = Platform::VARIANT_FALSE;
    if (facts->LastHandOut(&due, &delay, &delayMode, &wasLate) == Platform::S_OK) late = wasLate != 0;
}
