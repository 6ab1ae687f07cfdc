// The engine's ShowEvents and the window's life: registration, settings,
// modal showing, unloading, and the offset overflow.
#include "support/RaisedError.h"
#include "ListWindowFixture.h"

#include <QTimer>

#include "Platform/automation/AutomationError.h"
#include "Platform/automation/RuntimeError.h"

using namespace ListWindowFixtures;

namespace {

using ShowEvents = ListWindowTest;

TEST_F(ShowEvents, OpensAModelessWindowWithItsDefaults)
{
    EXPECT_EQ(engine->objShowEvents(), nullptr);
    addEvent(*engine, "a", at(2026, 5, 5, 9));
    engine->ShowEvents(0);
    frmShowPlents* w = window();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible());
    EXPECT_TRUE(w->EditAllowed());
    EXPECT_EQ(w->EventFile(), "");
    EXPECT_EQ(w->Password(), "");
    EXPECT_EQ(list().rowCount(), 1);
}

TEST_F(ShowEvents, ASecondCallWhileTheWindowIsOpenChangesNothing)
{
    engine->ShowEvents(0, false, "/tmp/a.dat", "secret");
    const auto first = engine->objShowEvents();
    engine->ShowEvents(0, true, "/tmp/b.dat", "");
    EXPECT_EQ(engine->objShowEvents(), first);
    EXPECT_FALSE(window()->EditAllowed());
    EXPECT_EQ(window()->EventFile(), "/tmp/a.dat");
    EXPECT_EQ(window()->Password(), "secret");
}

TEST_F(ShowEvents, UnloadingTakesBackTheRegistrationAndFreesTheWindow)
{
    engine->ShowEvents(0);
    QPointer<frmShowPlents> w = window();
    w->close();
    EXPECT_EQ(engine->objShowEvents(), nullptr);
    EXPECT_FALSE(w->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(w.isNull());
    std::weak_ptr<CPlentEngine> weak = engine;
    engine.reset();
    EXPECT_TRUE(weak.expired()) << "the window let go of the engine";
}

TEST_F(ShowEvents, AClosedWindowCanBeOpenedAgain)
{
    engine->ShowEvents(0);
    window()->Unload();
    engine->ShowEvents(0, false);
    ASSERT_NE(window(), nullptr);
    EXPECT_FALSE(window()->EditAllowed());
}

TEST_F(ShowEvents, ModalReturnsOnlyWhenTheWindowHasClosed)
{
    bool wasOpen = false;
    QTimer::singleShot(0, [&] {
        wasOpen = window() && window()->isVisible() && window()->isModal();
        window()->close();
    });
    engine->ShowEvents(1);
    EXPECT_TRUE(wasOpen);
    EXPECT_EQ(engine->objShowEvents(), nullptr);
}

TEST_F(ShowEvents, HandOutsDuringAModalWindowRebuildItsList)
{
    addEvent(*engine, "due", at(2026, 5, 4, 9));
    QString statusWhileOpen;
    QTimer::singleShot(0, [&] {
        std::string description, parameter;
        bool alarm = false;
        engine->ActivEvent(description, parameter, alarm);
        statusWhileOpen = list().subItem(0, 4);
        window()->Unload();
    });
    engine->ShowEvents(1);
    EXPECT_EQ(statusWhileOpen, "durchgeführt");
}

TEST_F(ShowEvents, AnOffsetBeyondTheIntegerRangeIsAnOverflowAndOpensNothing)
{
    engine->Init(-1, 32568);
    EXPECT_EQ(TestSupport::errorNumberOf([&] { engine->ShowEvents(0); }), Platform::Err::Overflow);
    EXPECT_EQ(engine->objShowEvents(), nullptr);
    engine->Init(-1, 32567);
    engine->ShowEvents(0);
    EXPECT_NE(window(), nullptr);
}

TEST_F(ShowEvents, AStyleOtherThanModelessOrModalIsRefused)
{
    EXPECT_THROW(engine->ShowEvents(2), Platform::AutomationError);
    EXPECT_EQ(engine->objShowEvents(), nullptr);
}

} // namespace
