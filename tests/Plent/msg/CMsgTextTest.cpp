// How a loaded text is split and written into windows, controls, tab
// controls and the tools of the toolbar control.
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QTabWidget>

#include "MsgFixture.h"
#include "Platform/ui/ActiveBar.h"
#include "Platform/ui/UiProperties.h"

using Platform::ActiveBar;
using Platform::ActiveBarBand;
using Platform::UiProperties;

namespace {

struct TextCase {
    int msgNr;
    const char* caption;
    const char* toolTip;
};

void PrintTo(const TextCase& c, std::ostream* os) { *os << "MsgNr=" << c.msgNr; }

class ButtonText : public MsgFixture, public ::testing::WithParamInterface<TextCase> {};

} // namespace

TEST_P(ButtonText, CaptionAndToolTip)
{
    QWidget window;
    auto* button = new QPushButton("Design", &window);
    button->setToolTip("design tip");
    UiProperties::setTag(button, QString("MsgNr=%1").arg(GetParam().msgNr));
    msg.SetOne(hMsg, button);
    EXPECT_EQ(button->text(), GetParam().caption);
    EXPECT_EQ(button->toolTip(), GetParam().toolTip);
    EXPECT_TRUE(boxes.empty());
}

INSTANTIATE_TEST_SUITE_P(Texts, ButtonText,
                         ::testing::Values(TextCase{1, "caption", "tip"},
                                           // a leading bar is skipped: the tip becomes the caption
                                           TextCase{2, "tip", ""},
                                           TextCase{3, "left", "right"},
                                           TextCase{4, "caption only", ""},
                                           TextCase{5, "Außer am ...", ""},
                                           TextCase{9, "a", "b"}));

TEST_F(MsgFixture, TextBoxLabelFrameAndWindowTakeTheirOwnProperty)
{
    QWidget window;
    window.setWindowTitle("Fenster");
    auto* textBox = new QLineEdit("Eingabe", &window);
    auto* label = new QLabel("Beschriftung", &window);
    auto* frame = new QGroupBox("Rahmen", &window);
    for (QObject* o : std::initializer_list<QObject*>{&window, textBox, label, frame})
        UiProperties::setTag(o, "MsgNr=1");

    for (QObject* o : std::initializer_list<QObject*>{&window, textBox, label, frame}) msg.SetOne(hMsg, o);

    EXPECT_EQ(window.windowTitle(), "caption");
    EXPECT_EQ(window.toolTip(), "") << "a window has no tooltip";
    EXPECT_EQ(textBox->text(), "caption");
    EXPECT_EQ(label->text(), "caption");
    EXPECT_EQ(frame->title(), "caption");
    EXPECT_EQ(textBox->toolTip(), "tip");
    EXPECT_EQ(label->toolTip(), "tip");
    EXPECT_EQ(frame->toolTip(), "tip");
    EXPECT_TRUE(boxes.empty());
}

TEST_F(MsgFixture, TabControlTakesTabCaptionsThenTheToolTip)
{
    QWidget window;
    auto* tabs = new QTabWidget(&window);
    for (const char* t : {"einen Event am/um", "Wiederholung", "Außer am ..."}) tabs->addTab(new QWidget, t);
    tabs->setToolTip("design tip");
    UiProperties::setTag(tabs, "MsgNr=7");
    msg.SetOne(hMsg, tabs);
    EXPECT_EQ(tabs->tabText(0), "first");
    EXPECT_EQ(tabs->tabText(1), "second");
    EXPECT_EQ(tabs->tabText(2), "third");
    EXPECT_EQ(tabs->toolTip(), "tab tip");

    UiProperties::setTag(tabs, "MsgNr=9");
    msg.SetOne(hMsg, tabs);
    EXPECT_EQ(tabs->tabText(2), "c");
    EXPECT_EQ(tabs->toolTip(), "") << "no part after the last caption clears the tooltip";
}

namespace {

// A main window with the toolbar control: tool Go in two bands, a menu
// title of a band's own, and a tool that is only in the global list.
class ToolTexts : public MsgFixture {
protected:
    void SetUp() override
    {
        MsgFixture::SetUp();
        bar = new ActiveBar(&window);
        bar->setObjectName("ActiveBar1");
        auto* go = bar->addTool("Go", "f&ortfahren", "fortfahren", "MsgNr=1");
        bar->addTool("Lonely", "allein", "allein", "MsgNr=6");
        menu = bar->addBand("Datensätze-Menü", ActiveBarBand::BandType::Menu);
        menu->addTool(go);
        toolbar = bar->addBand("Toolbar-Datensätze", ActiveBarBand::BandType::Toolbar);
        toolbar->addTool(go);
        mainMenu = bar->addBand("Haupt-Menü", ActiveBarBand::BandType::MenuBar);
        mainMenu->addTool("mnuDataRec", "Daten&sätze", "Datensätze bearbeiten", "MsgNr=4", menu);
    }

    QMainWindow window;
    ActiveBar* bar = nullptr;
    ActiveBarBand* menu = nullptr;
    ActiveBarBand* toolbar = nullptr;
    ActiveBarBand* mainMenu = nullptr;
};

} // namespace

TEST_F(ToolTexts, EveryCopyInTheBandsIsCaptioned)
{
    msg.SetOne(hMsg, bar);
    for (auto* band : {menu, toolbar}) {
        EXPECT_EQ(band->Tool("Go")->Caption(), "caption");
        EXPECT_EQ(band->Tool("Go")->ToolTipText(), "tip");
    }
    EXPECT_EQ(mainMenu->Tool("mnuDataRec")->Caption(), "caption only");
    EXPECT_EQ(mainMenu->Tool("mnuDataRec")->ToolTipText(), "");
    EXPECT_EQ(bar->Tool("Go")->Caption(), "f&ortfahren") << "the global list is not touched";
    EXPECT_EQ(bar->Tool("Lonely")->Caption(), "allein");
    EXPECT_TRUE(boxes.empty());
}

TEST_F(ToolTexts, AnInvalidDescriptionIsReportedAndTheWalkGoesOn)
{
    menu->Tool("Go")->setDescription("MsgNr=zwei");
    toolbar->Tool("Go")->setDescription("");
    msg.SetOne(hMsg, bar);
    EXPECT_EQ(boxes, std::vector<std::string>{"Invalid MsgNr= in .Description-Property"});
    EXPECT_EQ(menu->Tool("Go")->Caption(), "f&ortfahren");
    EXPECT_EQ(toolbar->Tool("Go")->Caption(), "f&ortfahren");
    EXPECT_EQ(mainMenu->Tool("mnuDataRec")->Caption(), "caption only");
}

TEST_F(ToolTexts, TheBarsOwnTagIsNotAMarker)
{
    UiProperties::setTag(bar, "MsgNr=zwei");
    msg.SetOne(hMsg, bar);
    EXPECT_TRUE(boxes.empty());
}
