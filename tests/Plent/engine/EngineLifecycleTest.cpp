#include <gtest/gtest.h>

#include "Plent/engine/CPlentEngine.h"
#include "Platform/automation/AutomationError.h"

using namespace Plent;

TEST(CPlentEngine, ANewEngineHasNoEventsNoWindowAndNoTable)
{
    CPlentEngine e;
    EXPECT_EQ(e.Plents().Count(), 0);
    EXPECT_FALSE(e.objShowEvents());
    EXPECT_EQ(e.UnlessTable(), "");
    EXPECT_EQ(e.hMsg(), 0);
    EXPECT_EQ(e.OffSet(), 0);
}

TEST(CPlentEngine, InitStoresHandleAndOffsetAndASecondCallOverwrites)
{
    CPlentEngine e;
    e.Init(-1, 1000);
    e.Init(77, 2000);
    EXPECT_EQ(e.hMsg(), 77);
    EXPECT_EQ(e.OffSet(), 2000);
}

TEST(CPlentEngine, RemoveIgnoresUnknownIdentifiersAndRemoveAllEmpties)
{
    CPlentEngine e;
    e.Plents().Add(CPlentEngine::NewPlent(), "a");
    e.Plents().Add(CPlentEngine::NewPlent(), "b");
    e.Remove("ghost");
    EXPECT_EQ(e.Plents().Count(), 2);
    EXPECT_TRUE(e.ExistEvent("A"));
    e.Remove("A");
    EXPECT_FALSE(e.ExistEvent("a"));
    e.RemoveAll();
    EXPECT_EQ(e.Plents().Count(), 0);
}
