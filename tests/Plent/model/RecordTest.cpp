#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "Plent/model/CPlent.h"

using namespace Plent;

// Every text empty, every date and number 0, every flag false.
TEST(CPlent, ANewRecordHoldsTheInitialValues)
{
    const CPlent p;
    for (const auto& [field, text] : {std::pair{"Identifier", p.Identifier()}, {"Description", p.Description()},
                                      {"Parameter", p.Parameter()}})
        EXPECT_EQ(text, "") << field;
    for (const auto& [field, value] :
         {std::pair{"NextStart", p.NextStart()}, {"LastStart", p.LastStart()}, {"RegularStart", p.RegularStart()},
          {"RetryMode", double(p.RetryMode())}, {"Retry", double(p.Retry())}, {"From", double(p.From())},
          {"To", double(p.To())}, {"Delay", double(p.Delay())}, {"DelayMode", double(p.DelayMode())},
          {"Status", double(p.Status())}, {"DeleteAfterDone", double(p.DeleteAfterDone())},
          {"MoveToNextDay", double(p.MoveToNextDay())}, {"Finished", double(p.Finished())}})
        EXPECT_EQ(value, 0.0) << field;
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
