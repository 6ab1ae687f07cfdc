// Properties by their control names, and the flat list of a window's
// controls.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QTabWidget>
#include <QTreeWidget>

#include "Platform/ui/ActiveBar.h"
#include "Platform/ui/UiProperties.h"
#include "support/QtAppEnvironment.h"

using Platform::UiProperties;

inline void PrintTo(const QStringList& list, std::ostream* os) { *os << list.join(", ").toStdString(); }

namespace {

template <class W>
W* named(W* widget, const char* name)
{
    widget->setObjectName(name);
    return widget;
}

QStringList namesOf(const QList<QObject*>& objects)
{
    QStringList names;
    for (auto* o : objects) names << o->objectName();
    return names;
}

} // namespace

TEST(UiProperties, ControlsAreFlatInDesignOrderWithoutQtPartsOrOtherWindows)
{
    QMainWindow window;
    auto* bar = named(new Platform::ActiveBar(&window), "ActiveBar1");
    bar->addBand("Toolbar", Platform::ActiveBarBand::BandType::Toolbar);
    bar->addBand("Datei-Menü", Platform::ActiveBarBand::BandType::Menu);
    auto* central = new QWidget(&window);
    window.setCentralWidget(central);
    auto* tabs = named(new QTabWidget(central), "sstabPlent");
    for (const char* caption : {"eins", "zwei", "drei", "vier", "fünf", "sechs"}) tabs->addTab(new QWidget, caption);
    tabs->resize(100, 100);  // the tab row scrolls: its buttons are Qt's parts
    auto* page = tabs->widget(0);
    auto* frame = named(new QGroupBox(page), "fraIdentifier");
    named(new QLabel(frame), "lblIdentifier");
    named(new QLineEdit(frame), "txtIdentifier");
    named(new QTreeWidget(central), "lvwPlents");
    named(new QCheckBox(central), "chkDelete");
    named(new QDialog(&window), "frmPassword");
    named(new QCheckBox(tabs->widget(1)), "chkOnSecondPage");

    EXPECT_EQ(namesOf(UiProperties::controls(&window)),
              QStringList({"ActiveBar1", "sstabPlent", "fraIdentifier", "lblIdentifier", "txtIdentifier",
                           "chkOnSecondPage", "lvwPlents", "chkDelete"}));
}

TEST(UiProperties, NamesMapOntoTheKindOfControl)
{
    QWidget window;
    window.setWindowTitle("Fenster");
    auto* label = new QLabel("Beschriftung", &window);
    auto* textBox = new QLineEdit("Eingabe", &window);
    auto* check = new QCheckBox("Haken", &window);
    auto* frame = new QGroupBox("Rahmen", &window);

    EXPECT_EQ(UiProperties::read(&window, "Caption"), "Fenster");
    EXPECT_EQ(UiProperties::read(label, "Caption"), "Beschriftung");
    EXPECT_EQ(UiProperties::read(check, "Caption"), "Haken");
    EXPECT_EQ(UiProperties::read(frame, "Caption"), "Rahmen");
    EXPECT_EQ(UiProperties::read(textBox, "text"), "Eingabe");
    EXPECT_FALSE(UiProperties::read(textBox, "Caption")) << "a text box has no caption";
    EXPECT_FALSE(UiProperties::read(&window, "ToolTipText")) << "a window has no tooltip";
    EXPECT_FALSE(UiProperties::read(label, "Tag"));
    EXPECT_FALSE(UiProperties::read(nullptr, "Tag"));

    EXPECT_TRUE(UiProperties::write(check, "ToolTipText", "Tipp"));
    EXPECT_EQ(check->toolTip(), "Tipp");
    EXPECT_FALSE(UiProperties::write(textBox, "Caption", "x"));
    EXPECT_FALSE(UiProperties::write(&window, "ToolTipText", "x"));
    EXPECT_FALSE(UiProperties::write(label, "Tag", "MsgNr=1")) << "writing never adds a property";
    EXPECT_FALSE(UiProperties::read(label, "Tag"));

    UiProperties::setTag(label, "MsgNr=1");
    EXPECT_EQ(UiProperties::read(label, "Tag"), "MsgNr=1");
    EXPECT_TRUE(UiProperties::isTextBox(textBox));
    EXPECT_FALSE(UiProperties::isTextBox(label));
}

TEST(UiProperties, ToolbarControlExposesTheToolsOfItsBandsOnly)
{
    QMainWindow window;
    auto* bar = new Platform::ActiveBar(&window);
    auto* go = bar->addTool("Go", "fortfahren", "", "MsgNr=11");
    bar->addTool("Stop", "anhalten", "", "MsgNr=12");
    auto* first = bar->addBand("Datensätze-Menü", Platform::ActiveBarBand::BandType::Menu);
    first->addTool(go);
    auto* second = bar->addBand("Haupt-Menü", Platform::ActiveBarBand::BandType::MenuBar);
    second->addTool("mnuDataRec", "Daten&sätze", "", "MsgNr=24", first);

    const auto tools = UiProperties::bandTools(bar);
    ASSERT_EQ(tools.size(), 2);
    EXPECT_EQ(tools[0], first->Tool("Go"));
    EXPECT_EQ(tools[1], second->Tool("mnuDataRec"));
    EXPECT_EQ(UiProperties::read(tools[0], "Description"), "MsgNr=11");
    EXPECT_TRUE(UiProperties::isToolbarControl(bar));
    EXPECT_FALSE(UiProperties::isToolbarControl(&window));
    EXPECT_TRUE(UiProperties::bandTools(&window).isEmpty());
}
