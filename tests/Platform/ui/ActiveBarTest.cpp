// The toolbar and menu control as the event list window builds it, driven
// by simulated clicks and keys.
#include <gtest/gtest.h>

#include <QAction>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>
#include <QToolBar>

#include <memory>

#include "Platform/ui/ActiveBar.h"
#include "support/QtAppEnvironment.h"

using Platform::ActiveBar;
using Platform::ActiveBarBand;
using Platform::ActiveBarTool;
using BandType = Platform::ActiveBarBand::BandType;

namespace {

bool isModifierKey(int key)
{
    return key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Alt || key == Qt::Key_Meta;
}

// A main window that hands its keys to the bar first, as the list window
// does; the keys the bar leaves alone are recorded.
class BarWindow : public QMainWindow {
public:
    BarWindow() : bar(new ActiveBar(this)) {}

    ActiveBar* bar;
    QList<int> keysLeftToWindow;
    int releasesHandled = 0;

protected:
    void keyPressEvent(QKeyEvent* e) override
    {
        if (!bar->OnKeyDown(e->key(), e->modifiers()) && !isModifierKey(e->key())) keysLeftToWindow << e->key();
    }
    void keyReleaseEvent(QKeyEvent* e) override
    {
        if (bar->OnKeyUp(e->key(), e->modifiers())) ++releasesHandled;
    }
};

class ActiveBarTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ActiveBar* bar = window.bar;
        for (const char* name : {"Go", "Stop", "Del", "Add", "Show", "Edit", "Exit", "Save", "Open"})
            bar->addTool(name, QString("&") + name, QString(name) + " tip", "MsgNr=1");
        auto* fileMenu = bar->addBand("Datei-Menü", BandType::Menu);
        addCopies(fileMenu, {"Open", "Save", "Exit"});
        auto* recordMenu = bar->addBand("Datensätze-Menü", BandType::Menu);
        addCopies(recordMenu, {"Edit", "Show", "Add", "Del", "Stop", "Go"});
        auto* mainMenu = bar->addBand("Haupt-Menü", BandType::MenuBar);
        mainMenu->addTool("mnuFile", "&Datei", "Datei", "MsgNr=21", fileMenu);
        mainMenu->addTool("mnuDataRec", "Daten&sätze", "Datensätze bearbeiten", "MsgNr=24", recordMenu);
        addCopies(bar->addBand("Toolbar", BandType::Toolbar), {"Exit", "Open", "Save"});
        addCopies(bar->addBand("Toolbar-Datensätze", BandType::Toolbar), {"Edit", "Show", "Add", "Del", "Stop", "Go"});
        bar->Tool("Del")->setShortcut(QKeySequence(Qt::Key_Delete));
        bar->Tool("Add")->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));

        window.resize(600, 300);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    void addCopies(ActiveBarBand* band, std::initializer_list<const char*> names)
    {
        for (const char* name : names) band->addTool(window.bar->Tool(name));
    }

    QWidget* buttonOf(const char* band, const char* tool)
    {
        auto* toolbar = qobject_cast<QToolBar*>(window.bar->Band(band)->widget());
        return toolbar->widgetForAction(window.bar->Band(band)->Tool(tool)->action());
    }

    static QStringList names(const QSignalSpy& spy)
    {
        QStringList result;
        for (const auto& args : spy) result << args.at(0).value<ActiveBarTool*>()->Name();
        return result;
    }

    BarWindow window;
};

} // namespace

TEST_F(ActiveBarTest, BandsAndToolsKeepTheirOrder)
{
    QStringList bands;
    for (auto* band : window.bar->Bands()) bands << band->Name();
    EXPECT_EQ(bands, QStringList({"Datei-Menü", "Datensätze-Menü", "Haupt-Menü", "Toolbar", "Toolbar-Datensätze"}));
    QStringList tools;
    for (auto* tool : window.bar->Band("Datensätze-Menü")->Tools()) tools << tool->Name();
    EXPECT_EQ(tools, QStringList({"Edit", "Show", "Add", "Del", "Stop", "Go"}));
    EXPECT_EQ(window.bar->Band("Nirgends"), nullptr);
    EXPECT_EQ(window.bar->Tool("mnuFile"), nullptr) << "menu titles are not in the global list";
}

TEST_F(ActiveBarTest, BandNamesStayInternal)
{
    std::unique_ptr<QMenu> windowMenu(window.createPopupMenu());
    if (!windowMenu) return;
    for (auto* action : windowMenu->actions()) EXPECT_FALSE(action->isVisible()) << action->text().toStdString();
}

TEST_F(ActiveBarTest, CopiesStartWithTheTextsOfTheGlobalToolAndKeepTheirOwn)
{
    auto* menuCopy = window.bar->Band("Datensätze-Menü")->Tool("Go");
    auto* toolbarCopy = window.bar->Band("Toolbar-Datensätze")->Tool("Go");
    EXPECT_EQ(menuCopy->Caption(), "&Go");
    EXPECT_EQ(menuCopy->Description(), "MsgNr=1");
    menuCopy->setCaption("activate");
    menuCopy->setToolTipText("");
    EXPECT_EQ(menuCopy->action()->text(), "activate");
    EXPECT_EQ(toolbarCopy->Caption(), "&Go");
    EXPECT_EQ(window.bar->Tool("Go")->Caption(), "&Go");
    EXPECT_EQ(menuCopy->property("ToolTipText").toString(), "") << "texts are properties by name";
}

TEST_F(ActiveBarTest, AvailabilityOfTheGlobalToolHoldsForEveryCopy)
{
    ActiveBar* bar = window.bar;
    bar->Tool("Open")->setVisible(false);
    bar->Tool("Del")->setEnabled(false);
    for (const char* band : {"Datei-Menü", "Toolbar"}) {
        EXPECT_FALSE(bar->Band(band)->Tool("Open")->Visible()) << band;
        EXPECT_FALSE(bar->Band(band)->Tool("Open")->action()->isVisible()) << band;
    }
    QCoreApplication::processEvents();
    EXPECT_FALSE(buttonOf("Toolbar", "Open")->isVisible());
    for (const char* band : {"Datensätze-Menü", "Toolbar-Datensätze"})
        EXPECT_FALSE(bar->Band(band)->Tool("Del")->action()->isEnabled()) << band;

    // Setting it on a copy sets it on the global tool.
    bar->Band("Toolbar")->Tool("Open")->setVisible(true);
    EXPECT_TRUE(bar->Tool("Open")->Visible());
    EXPECT_TRUE(bar->Band("Datei-Menü")->Tool("Open")->action()->isVisible());
}

TEST_F(ActiveBarTest, AClickOnAnyCopyNamesTheTool)
{
    QSignalSpy clicks(window.bar, &ActiveBar::Click);
    QTest::mouseClick(buttonOf("Toolbar-Datensätze", "Edit"), Qt::LeftButton);
    window.bar->Tool("Stop")->setEnabled(false);
    QTest::mouseClick(buttonOf("Toolbar-Datensätze", "Stop"), Qt::LeftButton);
    window.bar->Band("Datei-Menü")->Tool("Save")->action()->trigger();
    EXPECT_EQ(names(clicks), QStringList({"Edit", "Save"}));
    EXPECT_EQ(clicks.at(0).at(0).value<ActiveBarTool*>(), window.bar->Band("Toolbar-Datensätze")->Tool("Edit"));
}

TEST_F(ActiveBarTest, MenuTitlesOpenTheirBands)
{
    auto* mainMenu = window.bar->Band("Haupt-Menü");
    EXPECT_EQ(mainMenu->widget(), window.menuBar());
    EXPECT_EQ(mainMenu->Tool("mnuDataRec")->action()->menu(), window.bar->Band("Datensätze-Menü")->menu());
    EXPECT_EQ(mainMenu->Tool("mnuFile")->action()->text(), "&Datei");
}

TEST_F(ActiveBarTest, ABandOpensAsPopupAtTheMouse)
{
    QSignalSpy clicks(window.bar, &ActiveBar::Click);
    auto* band = window.bar->Band("Datensätze-Menü");
    window.bar->Tool("Edit")->setEnabled(false);
    QCursor::setPos(window.mapToGlobal(QPoint(50, 120)));
    band->PopupMenu(-1, -1);
    QMenu* popup = band->menu();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(popup));
    EXPECT_EQ(popup->pos(), QCursor::pos());

    QTest::mouseClick(popup, Qt::LeftButton, {}, popup->actionGeometry(band->Tool("Edit")->action()).center());
    EXPECT_TRUE(clicks.isEmpty()) << "a disabled tool does not run";
    QTest::mouseClick(popup, Qt::LeftButton, {}, popup->actionGeometry(band->Tool("Show")->action()).center());
    EXPECT_EQ(names(clicks), QStringList({"Show"}));
    EXPECT_FALSE(popup->isVisible());

    window.bar->Band("Toolbar")->PopupMenu(-1, -1);  // not a menu: nothing opens
}

TEST_F(ActiveBarTest, KeysRunToolsByShortcutOnce)
{
    QSignalSpy clicks(window.bar, &ActiveBar::Click);
    QTest::keyClick(&window, Qt::Key_Delete);
    QTest::keyClick(&window, Qt::Key_N, Qt::ControlModifier);
    QTest::keyClick(&window, Qt::Key_N);
    QTest::keyClick(&window, Qt::Key_Delete, Qt::ShiftModifier);
    EXPECT_EQ(names(clicks), QStringList({"Del", "Add"}));
    EXPECT_EQ(window.keysLeftToWindow, QList<int>({Qt::Key_N, Qt::Key_Delete}));
    EXPECT_EQ(window.releasesHandled, 2);
}

TEST_F(ActiveBarTest, KeysOfUnavailableToolsAreLeftToTheWindow)
{
    QSignalSpy clicks(window.bar, &ActiveBar::Click);
    window.bar->Tool("Del")->setEnabled(false);
    window.bar->Tool("Add")->setVisible(false);
    QTest::keyClick(&window, Qt::Key_Delete);
    QTest::keyClick(&window, Qt::Key_N, Qt::ControlModifier);
    EXPECT_TRUE(clicks.isEmpty());
    EXPECT_EQ(window.keysLeftToWindow, QList<int>({Qt::Key_Delete, Qt::Key_N}));
    EXPECT_EQ(window.releasesHandled, 0);
}
