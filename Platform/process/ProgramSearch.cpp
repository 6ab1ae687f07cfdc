#include "ProgramSearch.h"

#include <QString>
#include <QStringList>

#include <sys/stat.h>
#include <unistd.h>

namespace Platform {

namespace {

enum class Candidate { Missing, NotExecutable, Executable };

Candidate check(const std::string& path)
{
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return Candidate::Missing;
    if (!S_ISREG(st.st_mode) || ::access(path.c_str(), X_OK) != 0) return Candidate::NotExecutable;
    return Candidate::Executable;
}

ProgramSearch::Result notExecutable(const std::string& name)
{
    return {{}, "not executable / permission denied: " + name};
}

ProgramSearch::Result notFound(const std::string& name) { return {{}, "program not found: " + name}; }

} // namespace

ProgramSearch::Result ProgramSearch::find(const std::string& name, const std::string& pathVariable)
{
    if (name.find('/') != std::string::npos) {
        const Candidate found = check(name);
        if (found == Candidate::Executable) return {name, {}};
        return found == Candidate::NotExecutable ? notExecutable(name) : notFound(name);
    }
    // As exec does, a directory that holds the name without leave to run it
    // is remembered, and the search goes on; an empty entry is the current
    // directory.
    bool denied = false;
    for (const QString& dir : QString::fromStdString(pathVariable).split(':')) {
        const std::string path = (dir.isEmpty() ? std::string(".") : dir.toStdString()) + "/" + name;
        const Candidate found = check(path);
        if (found == Candidate::Executable) return {path, {}};
        denied = denied || found == Candidate::NotExecutable;
    }
    return denied ? notExecutable(name) : notFound(name);
}

} // namespace Platform
