#include "ShowPlentsBar.h"

#include <QFont>
#include <QKeySequence>
#include <QStringList>

#include <utility>

#include "Platform/ui/ActiveBar.h"

namespace Plent {

namespace {

using Platform::ActiveBar;
using Platform::ActiveBarBand;
using BandType = ActiveBarBand::BandType;

struct ToolDesign {
    const char* name;
    const char* caption;
    const char* toolTip;
    int msgNr;
};

// The global list, in its order.
constexpr ToolDesign CommandTools[] = {
    {"Go", "f&ortfahren", "fortfahren", 11},
    {"Stop", "an&halten", "anhalten", 12},
    {"Del", "&löschen", "löschen", 13},
    {"Add", "ein&fügen", "einfügen", 14},
    {"Show", "an&zeigen", "anzeigen", 15},
    {"Edit", "änd&ern", "bearbeiten", 16},
    {"Exit", "&Ende", "Programm beenden", 18},
    {"Save", "&Speichern", "Datei speichern", 19},
    {"Open", "Ö&ffnen", "Datei öffnen", 20},
};

constexpr ToolDesign FileMenuTitle = {"mnuFile", "&Datei", "Datei", 21};
constexpr ToolDesign DataRecMenuTitle = {"mnuDataRec", "Daten&sätze", "Datensätze bearbeiten", 24};

// Keys the window hands to the bar before its controls see them.
const std::pair<const char*, QKeySequence> Shortcuts[] = {
    {"Open", QKeySequence(Qt::CTRL | Qt::Key_O)}, {"Save", QKeySequence(Qt::CTRL | Qt::Key_S)},
    {"Add", QKeySequence(Qt::Key_Insert)},        {"Del", QKeySequence(Qt::Key_Delete)},
    {"Edit", QKeySequence(Qt::Key_F2)},
};

const QStringList FileTools{"Open", "Save", "Exit"};
const QStringList ToolbarTools{"Exit", "Open", "Save"};
const QStringList DataRecTools{"Edit", "Show", "Add", "Del", "Stop", "Go"};

QString marker(int msgNr) { return "MsgNr=" + QString::number(msgNr); }

ActiveBarBand* addBand(ActiveBar& bar, const QString& name, BandType type, const QStringList& tools)
{
    ActiveBarBand* band = bar.addBand(name, type);
    for (const QString& tool : tools) band->addTool(bar.Tool(tool));
    QFont font("Arial");
    font.setPointSizeF(8.25);
    band->widget()->setFont(font);
    return band;
}

void addMenuTitle(ActiveBarBand& menuBar, const ToolDesign& title, ActiveBarBand* opens)
{
    menuBar.addTool(title.name, title.caption, title.toolTip, marker(title.msgNr), opens);
}

} // namespace

void ShowPlentsBar::Build(ActiveBar& bar)
{
    for (const ToolDesign& tool : CommandTools) bar.addTool(tool.name, tool.caption, tool.toolTip, marker(tool.msgNr));
    for (const auto& [tool, keys] : Shortcuts) bar.Tool(tool)->setShortcut(keys);
    ActiveBarBand* fileMenu = addBand(bar, "Datei-Menü", BandType::Menu, FileTools);
    ActiveBarBand* dataRecMenu = addBand(bar, "Datensätze-Menü", BandType::Menu, DataRecTools);
    ActiveBarBand* mainMenu = addBand(bar, "Haupt-Menü", BandType::MenuBar, {});
    addMenuTitle(*mainMenu, FileMenuTitle, fileMenu);
    addMenuTitle(*mainMenu, DataRecMenuTitle, dataRecMenu);
    addBand(bar, "Toolbar", BandType::Toolbar, ToolbarTools);
    addBand(bar, "Toolbar-Datensätze", BandType::Toolbar, DataRecTools);
}

} // namespace Plent
