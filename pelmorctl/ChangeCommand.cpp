#include "ChangeCommand.h"

#include "EventEdit.h"

namespace Ctl {

std::string ChangeCommand::name() const
{
    switch (change_) {
    case Change::Remove: return "remove";
    case Change::Stop: return "stop";
    case Change::Go: return "go";
    }
    return {};
}

std::string ChangeCommand::summary() const
{
    switch (change_) {
    case Change::Remove: return "remove an event from an event file";
    case Change::Stop: return "stop an event: it is not started until it goes again";
    case Change::Go: return "let a stopped event start again";
    }
    return {};
}

std::string ChangeCommand::help() const
{
    std::string what;
    switch (change_) {
    case Change::Remove: what = "Removes the event ID from the event file FILE and prints it as it was.\n"; break;
    case Change::Stop:
        what = "Stops the event ID of the event file FILE: its status becomes \"stopped\" and\n"
               "the runner never starts it until it goes again. Its next start stays.\n";
        break;
    case Change::Go:
        what = "Lets the event ID of the event file FILE start again: its status becomes\n"
               "\"still open\". Its next start stays, and a finished event stays finished.\n";
        break;
    }
    return what
        + "The identifier is matched without regard to letter case. FILE is written\n"
          "safely (a new file put in the place of the old one once complete); a running\n"
          "runner follows it within five seconds. On any failure FILE stays as it was.\n\n"
          "Example:\n  pelmorctl "
        + name() + " Pelmor.dat backup\n";
}

void ChangeCommand::run(const Arguments& args, Console& io)
{
    EventEdit edit(args.positionals()[0], false, io.err);
    const auto event = edit.event(args.positionals()[1]);
    switch (change_) {
    case Change::Remove: edit.engine().Remove(event->Identifier()); break;
    case Change::Stop: event->setStatus(Plent::Status::Stopped); break;
    case Change::Go: event->setStatus(Plent::Status::Open); break;
    }
    edit.save();
    EventEdit::print(io.out, event);
}

} // namespace Ctl
