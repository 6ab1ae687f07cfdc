#include <gtest/gtest.h>

#include "Plent/model/CPlent.h"

using namespace Plent;

TEST(CPlent, ANewRecordHoldsTheInitialValues)
{
    CPlent p;
    EXPECT_EQ(p.Identifier(), "");
    EXPECT_EQ(p.Description(), "");
    EXPECT_EQ(p.Parameter(), "");
    EXPECT_EQ(p.NextStart(), 0.0);
    EXPECT_EQ(p.LastStart(), 0.0);
    EXPECT_EQ(p.RegularStart(), 0.0);
    EXPECT_EQ(p.RetryMode(), 0);
    EXPECT_EQ(p.Retry(), 0);
    EXPECT_EQ(p.From(), 0);
    EXPECT_EQ(p.To(), 0);
    EXPECT_EQ(p.Delay(), 0);
    EXPECT_EQ(p.DelayMode(), 0);
    EXPECT_FALSE(p.DeleteAfterDone());
    EXPECT_FALSE(p.MoveToNextDay());
    EXPECT_FALSE(p.Finished());
    EXPECT_EQ(p.Status(), 0);
}

TEST(CUnless, ANewRuleIsEmptyAndItsCollectionsAppearOnFirstUse)
{
    CPlent p;
    EXPECT_FALSE(p.Unless().FromTable());
    EXPECT_EQ(p.Unless().Months().Count(), 0);
    EXPECT_EQ(p.Unless().WeekDays().Count(), 0);
    auto m = std::make_shared<CMonth>();
    EXPECT_EQ(m->Days().Count(), 0);
}

TEST(CUnless, ARuleObtainedFromTheRecordOutlivesTheRecord)
{
    std::shared_ptr<CUnless> rule;
    {
        CPlent p;
        rule = p.UnlessRef();
        rule->WeekDays().Add(std::make_shared<CWeekDay>(), "1");
    }
    EXPECT_EQ(rule->WeekDays().Count(), 1);
}

TEST(CPlent, SettersStoreAnyValue)
{
    CPlent p;
    p.setStatus(7);
    p.setRetry(0);
    p.setRetryMode(42);
    p.setFrom(2200);
    p.setTo(600);
    EXPECT_EQ(p.Status(), 7);
    EXPECT_EQ(p.RetryMode(), 42);
    EXPECT_EQ(p.From(), 2200);
}
