// The row texts reused between rebuilds must always equal texts made from
// scratch, whatever happened to the collection in between.
#include <gtest/gtest.h>

#include <QLocale>

#include <random>

#include "Plent/engine/CPlentEngine.h"
#include "Plent/windows/PlentRowTexts.h"
#include "Platform/dates/DateTime.h"
#include "support/QtAppEnvironment.h"

using Plent::colPlents;
using Plent::CPlent;
using Plent::PlentRowTexts;

namespace {

std::array<QString, PlentRowTexts::StatusCount> statusTexts() { return {"open", "done", "seen", "alarm", "stopped"}; }

class RowTexts : public ::testing::Test {
protected:
    void SetUp() override
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        cached.setStatusTexts(statusTexts());
        for (int n = 0; n < 40; ++n) add("e" + std::to_string(n), "");
    }
    void TearDown() override { QLocale::setDefault(QLocale::c()); }

    void add(const std::string& id, const std::string& before)
    {
        auto e = Plent::CPlentEngine::NewPlent();
        e->setDescription("about " + id);
        e->setNextStart(Platform::DateTime::fromCivil(2026, 5, 4, 10, 0, 0).toDate() + nextId * 0.01);
        plents.Add(e, id, before);
        ++nextId;
    }
    QList<QStringList> fresh()
    {
        PlentRowTexts texts;
        texts.setStatusTexts(statusTexts());
        return texts.rows(plents);
    }
    std::shared_ptr<CPlent> any() { return plents.Item(pick(plents.Count()) + 1); }
    int pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(random); }

    void mutate()
    {
        switch (pick(6)) {
        case 0: add("n" + std::to_string(nextId), any()->Identifier()); break;
        case 1: plents.Remove(any()->Identifier()); break;
        case 2: any()->setStatus(static_cast<int16_t>(pick(9))); break;
        case 3: any()->setLastStart(any()->NextStart()); break;
        case 4: any()->setDescription("changed " + std::to_string(pick(3))); break;
        case 5: {
            // An event taken out and added again at the end, as editing does.
            auto e = any();
            plents.Remove(e->Identifier());
            plents.Add(e, e->Identifier());
            break;
        }
        }
    }

    colPlents plents;
    PlentRowTexts cached;
    std::mt19937 random{20260504};
    int nextId = 0;
};

TEST_F(RowTexts, ReusedRowsEqualFreshOnesAfterEveryKindOfChange)
{
    for (int round = 0; round < 400; ++round) {
        const int changes = 1 + pick(3);
        for (int c = 0; c < changes; ++c) mutate();
        if (plents.Count() < 5) add("r" + std::to_string(nextId), "");
        ASSERT_EQ(cached.rows(plents), fresh()) << "round " << round;
    }
}

TEST_F(RowTexts, AChangedLocaleMakesEveryDateAnew)
{
    cached.rows(plents);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(cached.rows(plents), fresh());
}

TEST_F(RowTexts, NewStatusTextsReplaceTheOldOnes)
{
    cached.rows(plents);
    cached.setStatusTexts({"A", "B", "C", "D", "E"});
    EXPECT_EQ(cached.rows(plents).front().at(4), "A");
}

} // namespace
