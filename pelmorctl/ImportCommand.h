#pragma once
#include <QJsonArray>

#include "Command.h"

namespace Ctl {

// pelmorctl import JSON FILE: builds the events from their JSON form and
// writes them as the event file FILE.
class ImportCommand : public Command {
public:
    std::string name() const override { return "import"; }
    std::string synopsis() const override { return "import JSON FILE"; }
    std::string summary() const override { return "write an event file from JSON"; }
    std::string help() const override;
    std::vector<std::string> positionals() const override { return {"JSON", "FILE"}; }
    void run(const Arguments& args, Console& io) override;

private:
    // The text of the file at path, or of standard input for "-".
    static QByteArray readInput(const std::string& path, Console& io);
    static QJsonArray parse(const QByteArray& json);
};

} // namespace Ctl
