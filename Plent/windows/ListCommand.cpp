#include "ListCommand.h"

#include "ListWindowCommands.h"

namespace Plent {

namespace {
using Group = ListCommand::Group;
using State = ListCommand::EventState;
using L = ListWindowCommands;
constexpr bool Gated = true;
constexpr bool Free = false;
} // namespace

std::span<const ListCommand> ListCommand::All()
{
    // clang-format off
    static const ListCommand Table[] = {
        // name    caption        tool tip             No. group         slot shortcut                gate   file   edit   sel.   state
        {"Open", "Ö&ffnen",    "Datei öffnen",      20, Group::File,   1, Qt::CTRL | Qt::Key_O, Gated, true,  false, false, State::Any,        &L::Open},
        {"Save", "&Speichern", "Datei speichern",   19, Group::File,   2, Qt::CTRL | Qt::Key_S, Gated, true,  false, false, State::Any,        &L::Save},
        {"Exit", "&Ende",      "Programm beenden",  18, Group::File,   0, {},                   Gated, false, false, false, State::Any,        &L::Exit},
        {"Edit", "änd&ern",    "bearbeiten",        16, Group::Record, 0, Qt::Key_F2,           Gated, false, true,  true,  State::Any,        &L::Edit},
        {"Show", "an&zeigen",  "anzeigen",          15, Group::Record, 1, {},                   Free,  false, false, true,  State::Any,        &L::Show},
        {"Add",  "ein&fügen",  "einfügen",          14, Group::Record, 2, Qt::Key_Insert,       Gated, false, true,  false, State::Any,        &L::Add},
        {"Del",  "&löschen",   "löschen",           13, Group::Record, 3, Qt::Key_Delete,       Gated, false, true,  true,  State::Any,        &L::Del},
        {"Stop", "an&halten",  "anhalten",          12, Group::Record, 4, {},                   Gated, false, true,  true,  State::NotStopped, &L::Stop},
        {"Go",   "f&ortfahren", "fortfahren",       11, Group::Record, 5, {},                   Gated, false, true,  true,  State::Stopped,    &L::Go},
        {"History", "&Verlauf", "Verlauf anzeigen",  33, Group::Record, 6, Qt::CTRL | Qt::Key_H, Free,  false, false, true,  State::Any,        &L::History},
        {"StartNow", "jetzt &starten", "jetzt starten", 34, Group::Record, 7, Qt::CTRL | Qt::Key_R, Gated, false, true, true,  State::Any,        &L::StartNow},
    };
    // clang-format on
    return Table;
}

const ListCommand* ListCommand::Named(std::string_view name)
{
    for (const ListCommand& command : All())
        if (name == command.name) return &command;
    return nullptr;
}

bool ListCommand::available(bool editAllowed, bool selected, bool stopped) const
{
    if ((needsEditing && !editAllowed) || (needsSelection && !selected)) return false;
    switch (state) {
    case State::NotStopped: return selected && !stopped;
    case State::Stopped: return selected && stopped;
    case State::Any: break;
    }
    return true;
}

} // namespace Plent
