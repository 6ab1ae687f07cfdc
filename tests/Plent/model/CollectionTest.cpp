#include <gtest/gtest.h>

#include "Plent/model/colFixUnless.h"
#include "Plent/model/colMonths.h"
#include "Plent/model/colPlents.h"
#include "Platform/automation/AutomationError.h"
#include "support/RaisedError.h"

using namespace Plent;

namespace {

std::shared_ptr<CPlent> event() { return std::make_shared<CPlent>(); }

std::vector<std::string> order(const colPlents& c)
{
    std::vector<std::string> ids;
    for (const auto& p : c) ids.push_back(p->Identifier());
    return ids;
}

using TestSupport::errorNumberOf;

} // namespace

TEST(KeyedCollection, AddSetsTheKeyFieldAndKeepsOrder)
{
    colPlents c;
    c.Add(event(), "b");
    c.Add(event(), "a");
    c.Add(event(), "c");
    EXPECT_EQ(order(c), (std::vector<std::string>{"b", "a", "c"}));
    EXPECT_EQ(c.Item(2)->Identifier(), "a");
}

TEST(KeyedCollection, KeysIgnoreLetterCaseAndDuplicatesChangeNothing)
{
    colPlents c;
    c.Add(event(), "Backup");
    EXPECT_EQ(c.Item("BACKUP"), c.Item(1));
    EXPECT_EQ(errorNumberOf([&] { c.Add(event(), "backup"); }), 457);
    EXPECT_EQ(c.Count(), 1);
    c.Add(event(), "Übung");
    EXPECT_EQ(errorNumberOf([&] { c.Add(event(), "ÜBUNG"); }), 457);
    EXPECT_EQ(c.Count(), 2);
}

TEST(KeyedCollection, FailedLookupsAnswerNothing)
{
    colPlents c;
    c.Add(event(), "x");
    EXPECT_EQ(c.Item("y"), nullptr);
    EXPECT_EQ(c.Item(0), nullptr);
    EXPECT_EQ(c.Item(2), nullptr);
    EXPECT_EQ(c.Item(-1), nullptr);
    EXPECT_NE(c.Item(1), nullptr);
}

TEST(KeyedCollection, RemoveOfAnUnknownKeyOrPositionFails)
{
    colPlents c;
    c.Add(event(), "x");
    EXPECT_EQ(errorNumberOf([&] { c.Remove("y"); }), 5);
    EXPECT_EQ(errorNumberOf([&] { c.Remove(2); }), 9);
    EXPECT_EQ(c.Count(), 1);
    c.Remove("X");
    EXPECT_EQ(c.Count(), 0);
    EXPECT_EQ(c.Item("x"), nullptr);
}

TEST(KeyedCollection, RemoveByPositionForgetsTheKey)
{
    colPlents c;
    c.Add(event(), "a");
    c.Add(event(), "b");
    c.Remove(1);
    EXPECT_EQ(c.Item("a"), nullptr);
    c.Add(event(), "a");
    EXPECT_EQ(order(c), (std::vector<std::string>{"b", "a"}));
}

// Small collections find their keys by comparing them in turn, larger ones
// through an index; either way every key is found whatever its letter case,
// under the key it was added with, and nowhere after its removal.
class KeyedCollectionSizes : public ::testing::TestWithParam<int> {
protected:
    static std::string key(int i) { return "Event Ä" + std::to_string(i); }
    static std::string shouted(int i) { return "EVENT ä" + std::to_string(i); }
};

TEST_P(KeyedCollectionSizes, FindRefuseAndRemoveAlikeOnEitherSideOfTheIndex)
{
    const int n = GetParam();
    colPlents c;
    for (int i = 0; i < n; ++i) c.Add(event(), key(i));
    c.Item(1)->setIdentifier("renamed");
    for (int i = 0; i < n; ++i) {
        ASSERT_NE(c.Item(shouted(i)), nullptr) << i;
        EXPECT_EQ(c.Item(shouted(i)), c.Item(i + 1));
        EXPECT_EQ(errorNumberOf([&] { c.Add(event(), shouted(i)); }), 457);
    }
    EXPECT_EQ(c.Item("renamed"), nullptr);
    EXPECT_EQ(c.Count(), n);

    c.Add(event(), "first", shouted(0));
    EXPECT_EQ(c.Item(1), c.Item("FIRST"));
    c.Remove(shouted(n - 1));
    c.Remove(2);
    EXPECT_EQ(c.Item(key(0)), nullptr);
    EXPECT_EQ(c.Item(key(n - 1)), nullptr);
    EXPECT_EQ(c.Count(), n - 1);
    while (c.Count() > 0) c.Remove(1);
    c.Add(event(), key(0));
    EXPECT_EQ(c.Item(shouted(0)), c.Item(1));
}

INSTANTIATE_TEST_SUITE_P(Sizes, KeyedCollectionSizes,
                         ::testing::Values(2, int(colPlents::IndexedFrom) - 1, int(colPlents::IndexedFrom), 50));

TEST(colPlents, AddBeforeInsertsAheadOfThatEvent)
{
    colPlents c;
    c.Add(event(), "a");
    c.Add(event(), "b");
    c.Add(event(), "first", "A");
    c.Add(event(), "mid", "b");
    c.Add(event(), "last", "");
    EXPECT_EQ(order(c), (std::vector<std::string>{"first", "a", "mid", "b", "last"}));
}

TEST(colPlents, AddBeforeAnUnknownEventFailsAndAddsNothing)
{
    colPlents c;
    c.Add(event(), "a");
    EXPECT_EQ(errorNumberOf([&] { c.Add(event(), "new", "ghost"); }), 5);
    EXPECT_EQ(c.Count(), 1);
    EXPECT_EQ(c.Item("new"), nullptr);
}

TEST(colFixUnless, AddingAKnownDateKeepsTheFirstSilently)
{
    colFixUnless c;
    auto first = std::make_shared<CFixUnless>();
    c.Add(first, "24122026");
    auto second = std::make_shared<CFixUnless>();
    EXPECT_EQ(c.Add(second, "24122026"), second);
    EXPECT_EQ(c.Count(), 1);
    EXPECT_EQ(c.Item("24122026"), first);
}

TEST(colMonths, ElementsAreSharedReferences)
{
    colMonths months;
    auto m = std::make_shared<CMonth>();
    months.Add(m, "2");
    m->Days().Add(std::make_shared<CDay>(), "32");
    EXPECT_EQ(months.Item("2")->Days().Item("32")->Key(), "32");
}
