#include "TextFileReader.h"

#include "Platform/automation/AutomationError.h"
#include "Platform/text/Cp1252.h"

namespace Platform {

TextFileReader::TextFileReader(const std::string& path)
{
    try {
        file_.emplace(BinaryFile::openForReading(path));
    } catch (const AutomationError& e) {
        failure_ = e;
    }
}

void TextFileReader::raiseOpenFailure() const { throw *failure_; }

bool TextFileReader::readLine(std::string& line)
{
    if (!file_) return false;
    std::string bytes;
    char c = 0;
    size_t got = 0;
    while ((got = file_->read(&c, 1)) == 1 && c != '\n') bytes += c;
    if (got == 0 && bytes.empty()) return false;
    if (!bytes.empty() && bytes.back() == '\r') bytes.pop_back();
    line = Cp1252::toUtf8(bytes);
    return true;
}

} // namespace Platform
