#pragma once
#include <string>

#include "BinaryFile.h"

namespace Platform {

// A new file written beside a target and put in the target's place only by
// commit(), once it is complete on the disk: until then the target keeps
// its old content, whatever happens to the writer. The new file takes over
// the permissions of the file it replaces.
//
// Where the file system allows it, the new file has no name until commit()
// links it in, so a writer that is killed leaves nothing behind. Elsewhere
// it is a named file (see TemporaryNames), and the next replacement of the
// same target removes what killed writers left.
class ReplacementFile {
public:
    enum class Creation {
        Unnamed, // nameless while written, where the file system allows it
        Named,   // named from the start
    };

    // Creates the empty new file in the target's directory.
    explicit ReplacementFile(const std::string& target, Creation creation = Creation::Unnamed);
    // Removes the new file unless it was committed.
    ~ReplacementFile();
    ReplacementFile(const ReplacementFile&) = delete;
    ReplacementFile& operator=(const ReplacementFile&) = delete;

    BinaryFile& file() { return file_; }
    // The new file gets mode 0600 instead of the old one's.
    void restrictToOwner();
    // Forces the new file to the disk and renames it over the target. On
    // failure the new file is removed and the target stays as it was.
    void commit();

private:
    int create(Creation creation);
    void discard() noexcept;

    std::string target_;
    std::string temporary_; // empty while the new file has no name
    int fd_;                // the descriptor that file_ owns
    BinaryFile file_;
    bool pending_ = true;
};

} // namespace Platform
