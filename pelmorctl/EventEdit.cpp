#include "EventEdit.h"

#include <filesystem>

#include "CtlError.h"
#include "EventStore.h"
#include "EventTable.h"

namespace Ctl {

EventEdit::EventEdit(const std::string& path, bool mayCreate, std::ostream& err)
    : path_(path), file_(EventStore::newSchedule()), engine_(std::make_shared<Plent::CPlentEngine>())
{
    auto events = std::make_shared<Plent::colPlents>();
    file_.setEvents(events);
    std::error_code ec;
    const bool absent = !std::filesystem::exists(path, ec) && !ec;
    if (!(absent && mayCreate) && EventStore::load(file_, path, err) > 0)
        throw CtlError::failure("'" + path + "' was not read completely; it is left as it is");
    engine_->setPlents(events);
}

std::shared_ptr<Plent::CPlent> EventEdit::event(const std::string& identifier)
{
    auto e = engine_->Plents().Item(identifier);
    if (!e) throw CtlError::badInput("'" + path_ + "' has no event '" + identifier + "'");
    return e;
}

void EventEdit::save() { EventStore::save(file_, path_); }

void EventEdit::print(std::ostream& out, const std::shared_ptr<Plent::CPlent>& event)
{
    Plent::colPlents one;
    one.Add(event, event->Identifier());
    EventTable::write(out, one);
}

} // namespace Ctl
