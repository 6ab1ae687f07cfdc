// Lookups by number, their failure messages, the walk over a whole window,
// and opening and closing a language library.
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QTabWidget>

#include "support/RaisedError.h"
#include "MsgFixture.h"
#include "Platform/automation/AutomationError.h"
#include "Platform/automation/RuntimeError.h"
#include "Platform/modules/ModulePath.h"
#include "Platform/ui/ActiveBar.h"
#include "Platform/ui/UiProperties.h"

using Platform::UiProperties;

namespace {

std::string languageLibrary() { return (Platform::ModulePath::executableDir() / "Pelmor.dll").string(); }

} // namespace

TEST_F(MsgFixture, GetStringFallsBackToTheDefaultWithOneMessage)
{
    EXPECT_EQ(msg.GetString(hMsg, 1, "Vorgabe"), "caption|tip");
    EXPECT_EQ(msg.GetString(hMsg, 8, "leer"), "leer");
    EXPECT_EQ(msg.GetString(0, 1, "kein Modul"), "kein Modul");
    EXPECT_EQ(boxes, (std::vector<std::string>{"Message 1008 not found!", "Message 1001 not found!"}));
}

TEST_F(MsgFixture, NoLanguageLooksNothingUp)
{
    msg.setOffSet(0);
    EXPECT_EQ(msg.GetString(-1, 1, "Vorgabe"), "Vorgabe");
    std::string text = "unverändert";
    EXPECT_TRUE(msg.SetString(-1, text, 1));
    EXPECT_EQ(text, "unverändert");

    QWidget window;
    window.setWindowTitle("Fenster");
    UiProperties::setTag(&window, "MsgNr=1");
    auto* button = new QPushButton("Knopf", &window);
    button->setObjectName("cmdOK");
    UiProperties::setTag(button, "MsgNr=x");
    msg.SetAll(-1, &window);
    msg.SetOne(-1, button);
    EXPECT_EQ(window.windowTitle(), "Fenster");
    EXPECT_EQ(button->text(), "Knopf");
    EXPECT_TRUE(boxes.empty());
}

TEST_F(MsgFixture, OffSetZeroIsReportedPerLookup)
{
    msg.setOffSet(0);
    std::string text = "bleibt";
    EXPECT_FALSE(msg.SetString(hMsg, text, 1));
    EXPECT_EQ(text, "bleibt");
    EXPECT_EQ(msg.GetString(hMsg, 1, "Vorgabe"), "Vorgabe");
    EXPECT_EQ(boxes, std::vector<std::string>(2, "CMsg::SetString() - OffSet is 0"));
}

TEST_F(MsgFixture, AFailedLookupKeepsTheText)
{
    std::string text = "bleibt";
    EXPECT_FALSE(msg.SetString(hMsg, text, 8));
    EXPECT_EQ(text, "bleibt");
    EXPECT_TRUE(msg.SetString(hMsg, text, 4));
    EXPECT_EQ(text, "caption only");
    EXPECT_EQ(boxes, std::vector<std::string>{"Message 1008 not found!"});
}

TEST_F(MsgFixture, AnIdBeyondTheIntegerRangeIsAnOverflow)
{
    msg.setOffSet(32767);
    std::string text;
    EXPECT_EQ(TestSupport::errorNumberOf([&] { msg.SetString(hMsg, text, 1); }), Platform::Err::Overflow);
    msg.setOffSet(-32768);
    EXPECT_THROW(msg.SetString(hMsg, text, -1), Platform::AutomationError);
    EXPECT_FALSE(msg.SetString(hMsg, text, 0));
    EXPECT_EQ(boxes, std::vector<std::string>{"Message -32768 not found!"});
}

// With handle 0 every marked object fails once, so the boxes show the order
// of the walk: the window, then every control, also inside frames and on
// tab pages.
TEST_F(MsgFixture, SetAllWalksTheWindowAndEveryControlInOrder)
{
    QWidget window;
    UiProperties::setTag(&window, "MsgNr=0");
    auto* frame = new QGroupBox(&window);
    frame->setObjectName("fraIdentifier");
    auto* label = new QLabel(frame);
    label->setObjectName("lblIdentifier");
    UiProperties::setTag(label, "MsgNr=10");
    auto* textBox = new QLineEdit(frame);
    textBox->setObjectName("txtIdentifier");
    auto* tabs = new QTabWidget(&window);
    tabs->setObjectName("sstabPlent");
    UiProperties::setTag(tabs, "MsgNr=33");
    auto* page = new QWidget;
    tabs->addTab(page, "Seite");
    auto* onPage = new QPushButton(page);
    onPage->setObjectName("cmdOnPage");
    UiProperties::setTag(onPage, "Foo=1 MsgNr=12");
    auto* button = new QPushButton(&window);
    button->setObjectName("cmdOK");
    UiProperties::setTag(button, "MsgNr=13");

    msg.SetAll(0, &window);

    EXPECT_EQ(boxes, (std::vector<std::string>{"Message 1000 not found!", "Message 1010 not found!",
                                               "Message 1033 not found!", "Message 1012 not found!",
                                               "Message 1013 not found!"}));
}

TEST_F(MsgFixture, OpenAndCloseLanguage)
{
    EXPECT_EQ(msg.OpenLanguage("?"), -1);
    EXPECT_EQ(msg.OpenLanguage("?" + languageLibrary()), -1);
    EXPECT_EQ(msg.OpenLanguage("/nonexistent/Pelmor.dll"), 0);
    EXPECT_EQ(msg.OpenLanguage(""), 0);

    int32_t handle = msg.OpenLanguage(languageLibrary());
    ASSERT_GT(handle, 0);
    const int32_t opened = handle;
    msg.CloseLanguage(handle);
    EXPECT_EQ(handle, 0);
    EXPECT_FALSE(Platform::FreeLibrary(opened)) << "closing freed the library";

    for (int32_t none : {-1, 0}) {
        handle = none;
        msg.CloseLanguage(handle);
        EXPECT_EQ(handle, 0);
    }
    // The fixture's library is still held.
    EXPECT_EQ(msg.GetString(hMsg, 4, ""), "caption only");
}

TEST_F(MsgFixture, TheEnglishLibraryCaptionsAWindow)
{
    const int32_t english = msg.OpenLanguage(languageLibrary());
    ASSERT_GT(english, 0);
    msg.setOffSet(1100);
    QWidget window;
    auto* tabs = new QTabWidget(&window);
    for (const char* t : {"einen Event am/um", "Wiederholung", "Außer am ..."}) tabs->addTab(new QWidget, t);
    tabs->setToolTip("design tip");
    UiProperties::setTag(tabs, "MsgNr=33");
    auto* retry = new QPushButton("Stunden", &window);
    UiProperties::setTag(retry, "MsgNr=19");

    msg.SetOne(english, tabs);
    msg.SetOne(english, retry);

    EXPECT_EQ(tabs->tabText(0), "one event at");
    EXPECT_EQ(tabs->tabText(1), "retry");
    EXPECT_EQ(tabs->tabText(2), "unless ...");
    EXPECT_EQ(tabs->toolTip(), "");
    EXPECT_EQ(retry->text(), "houres");
    EXPECT_EQ(msg.GetString(english, 57, "Event anzeigen"), "display one event");
    EXPECT_TRUE(boxes.empty());
    int32_t handle = english;
    msg.CloseLanguage(handle);
}

TEST_F(MsgFixture, TheEnglishLibraryCaptionsTheToolbar)
{
    const int32_t english = msg.OpenLanguage(languageLibrary());
    ASSERT_GT(english, 0);
    msg.setOffSet(1200);
    QMainWindow window;
    auto* bar = new Platform::ActiveBar(&window);
    auto* go = bar->addTool("Go", "f&ortfahren", "fortfahren", "MsgNr=11");
    auto* menu = bar->addBand("Datensätze-Menü", Platform::ActiveBarBand::BandType::Menu);
    menu->addTool(go);
    auto* mainMenu = bar->addBand("Haupt-Menü", Platform::ActiveBarBand::BandType::MenuBar);
    auto* file = mainMenu->addTool("mnuFile", "&Datei", "Datei", "MsgNr=21");

    msg.SetOne(english, bar);

    EXPECT_EQ(menu->Tool("Go")->Caption(), "activate");
    EXPECT_EQ(menu->Tool("Go")->ToolTipText(), "activate one event");
    EXPECT_EQ(file->Caption(), "&File");
    EXPECT_EQ(file->ToolTipText(), "");
    EXPECT_TRUE(boxes.empty());
    int32_t handle = english;
    msg.CloseLanguage(handle);
}
