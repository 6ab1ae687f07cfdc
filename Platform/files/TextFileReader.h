#pragma once
#include <fstream>
#include <string>

namespace Platform {

// Reads a single-byte (Windows-1252) text file line by line. Lines may end
// in CR LF or in a bare LF; a last line without an ending counts as well.
class TextFileReader {
public:
    explicit TextFileReader(const std::string& path);

    bool isOpen() const { return in_.is_open(); }
    // The next line as UTF-8 without its ending; false at the end of the
    // file. A read failure raises the device I/O error.
    bool readLine(std::string& line);

private:
    std::ifstream in_;
};

} // namespace Platform
