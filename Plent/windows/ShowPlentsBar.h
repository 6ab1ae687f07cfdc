#pragma once

namespace Platform {
class ActiveBar;
}

namespace Plent {

// The commands of the event list window on its toolbar and menu control,
// made from the table of commands (ListCommand): the command tools in the
// bar's global list, and the bands that show them (menu bar, the two
// drop-down menus, the two toolbars). Texts are the German design texts;
// each tool's Description carries its message number.
class ShowPlentsBar {
public:
    static constexpr const char* FileMenu = "Datei-Menü";
    // Also the list's context menu.
    static constexpr const char* RecordMenu = "Datensätze-Menü";

    static void Build(Platform::ActiveBar& bar);
};

} // namespace Plent
