#include "CommandLine.h"

namespace Platform {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

bool escapableInDoubleQuotes(char c) { return c == '"' || c == '\\' || c == '$' || c == '`'; }

// Reads one quoted part starting after its opening quote; returns the
// position after the closing quote, or npos when it is not closed.
size_t readQuoted(std::string_view line, size_t i, char quote, std::string& word)
{
    while (i < line.size() && line[i] != quote) {
        if (quote == '"' && line[i] == '\\' && i + 1 < line.size() && escapableInDoubleQuotes(line[i + 1])) ++i;
        word += line[i++];
    }
    return i < line.size() ? i + 1 : std::string_view::npos;
}

} // namespace

std::optional<std::vector<std::string>> CommandLine::split(std::string_view line)
{
    std::vector<std::string> words;
    std::string word;
    bool inWord = false;
    for (size_t i = 0; i < line.size();) {
        const char c = line[i];
        if (isBlank(c)) {
            if (inWord) words.push_back(std::move(word));
            word.clear();
            inWord = false;
            ++i;
            continue;
        }
        inWord = true;
        if (c == '\'' || c == '"') {
            i = readQuoted(line, i + 1, c, word);
            if (i == std::string_view::npos) return std::nullopt;
        } else if (c == '\\') {
            if (i + 1 >= line.size()) return std::nullopt;
            word += line[i + 1];
            i += 2;
        } else {
            word += c;
            ++i;
        }
    }
    if (inWord) words.push_back(std::move(word));
    return words;
}

} // namespace Platform
