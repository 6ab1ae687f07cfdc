#include <gtest/gtest.h>

#include "Platform/ui/Twips.h"

using Platform::Twips;

TEST(Twips, FifteenToThePixelRoundedToTheNearest)
{
    static_assert(Twips::toPixels(1440) == 96);
    static_assert(Twips::toPixels(1090) == 73);
    static_assert(Twips::toPixels(7) == 0 && Twips::toPixels(8) == 1);
    static_assert(Twips::toPixels(-8) == -1);
    static_assert(Twips::fromPixels(96) == 1440);
}
