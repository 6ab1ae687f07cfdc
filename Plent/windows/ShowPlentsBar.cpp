#include "ShowPlentsBar.h"

#include <QFont>

#include <algorithm>
#include <vector>

#include "ListCommand.h"
#include "Platform/ui/ActiveBar.h"

namespace Plent {

namespace {

using Platform::ActiveBar;
using Platform::ActiveBarBand;
using BandType = ActiveBarBand::BandType;

using Group = ListCommand::Group;

struct MenuTitle {
    const char* name;
    const char* caption;
    const char* toolTip;
    int msgNr;
};

constexpr MenuTitle FileMenuTitle = {"mnuFile", "&Datei", "Datei", 21};
constexpr MenuTitle DataRecMenuTitle = {"mnuDataRec", "Daten&sätze", "Datensätze bearbeiten", 24};

// The group's commands in menu order, or in toolbar order.
std::vector<const ListCommand*> commandsOf(Group group, bool toolbar)
{
    std::vector<const ListCommand*> commands;
    for (const ListCommand& command : ListCommand::All())
        if (command.group == group) commands.push_back(&command);
    if (toolbar)
        std::ranges::stable_sort(commands, {}, [](const ListCommand* command) { return command->toolbarSlot; });
    return commands;
}

QString marker(int msgNr) { return "MsgNr=" + QString::number(msgNr); }

ActiveBarBand* addBand(ActiveBar& bar, const QString& name, BandType type,
                       const std::vector<const ListCommand*>& commands)
{
    ActiveBarBand* band = bar.addBand(name, type);
    for (const ListCommand* command : commands) band->addTool(bar.Tool(command->name));
    QFont font("Arial");
    font.setPointSizeF(8.25);
    band->widget()->setFont(font);
    return band;
}

void addMenuTitle(ActiveBarBand& menuBar, const MenuTitle& title, ActiveBarBand* opens)
{
    menuBar.addTool(title.name, title.caption, title.toolTip, marker(title.msgNr), opens);
}

} // namespace

void ShowPlentsBar::Build(ActiveBar& bar)
{
    // The global list holds the commands from the last to the first.
    const std::span<const ListCommand> all = ListCommand::All();
    for (auto command = all.rbegin(); command != all.rend(); ++command) {
        bar.addTool(command->name, command->caption, command->toolTip, marker(command->msgNr))
            ->setShortcut(command->shortcut);
    }
    ActiveBarBand* fileMenu = addBand(bar, FileMenu, BandType::Menu, commandsOf(Group::File, false));
    ActiveBarBand* dataRecMenu = addBand(bar, RecordMenu, BandType::Menu, commandsOf(Group::Record, false));
    ActiveBarBand* mainMenu = addBand(bar, "Haupt-Menü", BandType::MenuBar, {});
    addMenuTitle(*mainMenu, FileMenuTitle, fileMenu);
    addMenuTitle(*mainMenu, DataRecMenuTitle, dataRecMenu);
    addBand(bar, "Toolbar", BandType::Toolbar, commandsOf(Group::File, true));
    addBand(bar, "Toolbar-Datensätze", BandType::Toolbar, commandsOf(Group::Record, true));
}

} // namespace Plent
