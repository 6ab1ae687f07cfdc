#pragma once
#include <optional>
#include <string>

#include "BinaryFile.h"
#include "Platform/automation/AutomationError.h"

namespace Platform {

// Reads a single-byte (Windows-1252) text file line by line. Lines may end
// in CR LF or in a bare LF; a last line without an ending counts as well.
class TextFileReader {
public:
    // A file that cannot be opened for reading, or is not a regular file,
    // leaves the reader closed.
    explicit TextFileReader(const std::string& path);

    bool isOpen() const { return file_.has_value(); }
    // Raises the error that kept a reader closed.
    [[noreturn]] void raiseOpenFailure() const;
    // The next line as UTF-8 without its ending; false at the end of the
    // file. A read failure raises the file's error.
    bool readLine(std::string& line);

private:
    std::optional<BinaryFile> file_;
    std::optional<AutomationError> failure_;
};

} // namespace Platform
