#pragma once
#include <string>

#include "BinaryFile.h"

namespace Platform {

// A new file written beside a target and put in the target's place only by
// commit(), once it is complete on the disk: until then the target keeps
// its old content, whatever happens to the writer. The new file takes over
// the permissions of the file it replaces.
class ReplacementFile {
public:
    // Creates the empty new file in the target's directory.
    explicit ReplacementFile(const std::string& target);
    // Removes the new file unless it was committed.
    ~ReplacementFile();
    ReplacementFile(const ReplacementFile&) = delete;
    ReplacementFile& operator=(const ReplacementFile&) = delete;

    BinaryFile& file() { return file_; }
    // Forces the new file to the disk and renames it over the target. On
    // failure the new file is removed and the target stays as it was.
    void commit();

private:
    void discard() noexcept;

    std::string target_;
    std::string temporary_;
    BinaryFile file_;
    bool pending_ = true;
};

} // namespace Platform
