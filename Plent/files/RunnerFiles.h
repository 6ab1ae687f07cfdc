#pragma once
#include <string>

namespace Plent {

// The names of the runner's files. The event file and the fixed-date table
// lie in the runner's data directory (see UserDirectory); what the runner
// keeps about an event file lies beside it, named after it: "Pelmor.dat"
// has "Pelmor.state", "Pelmor.lock", "Pelmor.history" and the folder
// "Pelmor.output". The runner's socket may lie in the folder "Pelmor.run"
// of the event file's directory.
class RunnerFiles {
public:
    static constexpr const char* EventFileName = "Pelmor.dat";
    static constexpr const char* TableFileName = "Pelmor.tab";

    // The runner's own event file and fixed-date table, in its data
    // directory, which is made ready for them (UserDirectory::runnerData).
    static std::string eventFile();
    static std::string table();

    // What the runner learned about the events (see RunStateFile).
    static std::string stateOf(const std::string& eventFile) { return beside(eventFile, ".state"); }
    // Held by the one runner of the event file.
    static std::string lockOf(const std::string& eventFile) { return beside(eventFile, ".lock"); }
    // What the runner started and how it went.
    static std::string historyOf(const std::string& eventFile) { return beside(eventFile, ".history"); }
    // The folder of the runs' output.
    static std::string outputOf(const std::string& eventFile) { return beside(eventFile, ".output"); }
    // The folder for the socket of the runner of the event files in directory.
    static std::string socketFolderIn(const std::string& directory);

private:
    static std::string beside(const std::string& eventFile, const char* extension);
};

} // namespace Plent
