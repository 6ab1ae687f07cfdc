#include "TextFileReader.h"

#include <filesystem>

#include "Platform/automation/AutomationError.h"
#include "Platform/automation/RuntimeError.h"
#include "Platform/text/Cp1252.h"

namespace Platform {

// A directory opens as a stream but cannot be read: it counts as a file that
// cannot be opened.
TextFileReader::TextFileReader(const std::string& path)
{
    std::error_code ignored;
    if (!std::filesystem::is_directory(path, ignored)) in_.open(path, std::ios::binary);
}

bool TextFileReader::readLine(std::string& line)
{
    std::string bytes;
    if (!std::getline(in_, bytes)) {
        if (in_.bad()) Raise(Err::DeviceIo, "TextFileReader.readLine");
        return false;
    }
    if (!bytes.empty() && bytes.back() == '\r') bytes.pop_back();
    line = Cp1252::toUtf8(bytes);
    return true;
}

} // namespace Platform
