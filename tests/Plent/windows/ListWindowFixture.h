#pragma once
// The event list window as the engine opens it, on the offscreen platform,
// with an engine of its own, a fixed clock and every message box recorded.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLocale>
#include <QString>
#include <QTest>

#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "Plent/engine/CPlentEngine.h"
#include "Plent/windows/ListWindowObject.h"
#include "Plent/windows/frmShowPlents.h"
#include "Platform/dates/Clock.h"
#include "Platform/dates/DateTime.h"
#include "Platform/ui/ActiveBar.h"
#include "support/MessageBoxRecorder.h"
#include "Platform/ui/ReportList.h"
#include "support/QtAppEnvironment.h"
#include "support/CivilTime.h"

inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

namespace ListWindowFixtures {

using Platform::DateTime;
using Plent::CPlent;
using Plent::CPlentEngine;
using Plent::frmShowPlents;

using TestSupport::at;

// A daily event filed in the engine.
inline std::shared_ptr<CPlent> addEvent(CPlentEngine& engine, const std::string& id, DateTime nextStart,
                                        int16_t status = Plent::Status::Open)
{
    auto e = CPlentEngine::NewPlent();
    e->setDescription("about " + id);
    e->setParameter("run " + id);
    e->setRetryMode(Plent::RetryMode::Days);
    e->setRetry(1);
    e->setNextStart(nextStart.toDate());
    e->setStatus(status);
    return engine.Plents().Add(e, id);
}

class ListWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        engine->Init(-1, 1000);
    }
    void TearDown() override
    {
        if (auto* w = window()) w->Unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QLocale::setDefault(QLocale::c());
    }

    // The open list window, or nullptr.
    frmShowPlents* window() const
    {
        if (!engine) return nullptr;
        auto* object = static_cast<Plent::ListWindowObject*>(engine->objShowEvents().get());
        return object ? object->window() : nullptr;
    }
    Platform::ReportList& list() const { return *window()->findChild<Platform::ReportList*>("lvwPlents"); }
    Platform::ActiveBar& bar() const { return *window()->findChild<Platform::ActiveBar*>("ActiveBar1"); }
    Platform::ActiveBarTool& tool(const char* name) const { return *bar().Tool(name); }

    std::vector<QString> row(int r) const
    {
        std::vector<QString> cells{list().text(r)};
        for (int c = 1; c < 5; ++c) cells.push_back(list().subItem(r, c));
        return cells;
    }
    std::vector<QString> headers() const
    {
        std::vector<QString> texts;
        for (int c = 0; c < list().columnCount(); ++c) texts.push_back(list().headerText(c));
        return texts;
    }

    // A press with the left button in the middle of a row, or below the
    // last row for -1.
    void pressOn(int r, Qt::MouseButton button = Qt::LeftButton)
    {
        Platform::ReportList& l = list();
        const QPoint pos = r < 0 ? QPoint(5, l.viewport()->height() - 2) : l.visualRect(l.model()->index(r, 0)).center();
        QTest::mousePress(l.viewport(), button, {}, pos);
        QTest::mouseRelease(l.viewport(), button, {}, pos);
    }

    // Which of the record tools can be clicked, in the order Add, Edit, Del,
    // Show, Stop, Go.
    std::vector<bool> recordTools() const
    {
        std::vector<bool> enabled;
        for (const char* name : {"Add", "Edit", "Del", "Show", "Stop", "Go"}) enabled.push_back(tool(name).Enabled());
        return enabled;
    }

    Platform::FixedClock clock{at(2026, 5, 4, 10)};
    std::shared_ptr<CPlentEngine> engine = std::make_shared<CPlentEngine>();
    TestSupport::MessageBoxRecorder recorder_;
    std::vector<std::string>& boxes = recorder_.texts;
};

} // namespace ListWindowFixtures
