#pragma once
#include <QKeySequence>

#include <span>
#include <string_view>

namespace Plent {

class ListWindowCommands;

// One command of the event list window, as every place that offers it sees
// it: the tool's name, its German design texts and message number, its
// shortcut, whether the password guards it, and when it can be used. The
// menus, the toolbars, the context menu, the keys and the tool states are
// all made from the one table, ListCommand::All().
struct ListCommand {
    // File commands sit in the file menu and the file toolbar, record
    // commands in the record menu (also the context menu) and their toolbar.
    enum class Group { File, Record };
    // The selected event's status a command needs.
    enum class EventState { Any, NotStopped, Stopped };

    const char* name;
    const char* caption;
    const char* toolTip;
    int msgNr;
    Group group;
    // The command's place in its toolbar; in its menu it stands in table order.
    int toolbarSlot;
    QKeySequence shortcut;
    bool gated;
    // Hidden, not disabled, while the window has no event file.
    bool needsEventFile;
    bool needsEditing;
    bool needsSelection;
    EventState state;
    void (ListWindowCommands::*run)();

    // The commands in menu order.
    static std::span<const ListCommand> All();
    // The command of that tool name, or nullptr.
    static const ListCommand* Named(std::string_view name);
    // Whether the command can be clicked with these settings and this
    // selection (selected: an event is selected; stopped: it has Status 4).
    bool available(bool editAllowed, bool selected, bool stopped) const;
};

} // namespace Plent
