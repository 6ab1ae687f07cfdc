#include "Arguments.h"

#include <algorithm>

#include "CtlError.h"

namespace Ctl {

namespace {

bool isOption(const std::string& word) { return word.size() > 2 && word.starts_with("--"); }

} // namespace

Arguments::Arguments(const std::vector<std::string>& words, const std::vector<OptionSpec>& specs)
{
    bool optionsEnded = false;
    for (size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (optionsEnded) positionals_.push_back(word);
        else if (word == "--") optionsEnded = true;
        else if (word == "--help" || word == "-h") helpWanted_ = true;
        else if (isOption(word)) takeOption(words, i, specs);
        else positionals_.push_back(word);
    }
}

void Arguments::takeOption(const std::vector<std::string>& words, size_t& i, const std::vector<OptionSpec>& specs)
{
    const std::string& word = words[i];
    const size_t equals = word.find('=');
    const std::string name = word.substr(2, equals == std::string::npos ? std::string::npos : equals - 2);
    const auto option = std::find_if(specs.begin(), specs.end(), [&](const OptionSpec& s) { return s.name == name; });
    if (option == specs.end()) throw CtlError::badInput("unknown option '--" + name + "'");
    if (options_.count(name)) throw CtlError::badInput("option '--" + name + "' given twice");

    if (!option->takesValue) {
        if (equals != std::string::npos) throw CtlError::badInput("option '--" + name + "' takes no value");
        options_[name] = "";
    } else if (equals != std::string::npos) {
        options_[name] = word.substr(equals + 1);
    } else {
        if (i + 1 >= words.size()) throw CtlError::badInput("option '--" + name + "' needs a value");
        options_[name] = words[++i];
    }
    if (option->twoWords) {
        if (i + 1 >= words.size()) throw CtlError::badInput("option '--" + name + "' needs two values");
        options_[name] += " " + words[++i];
    }
}

std::optional<std::string> Arguments::value(const std::string& name) const
{
    const auto it = options_.find(name);
    if (it == options_.end()) return std::nullopt;
    return it->second;
}

void Arguments::expectPositionals(const std::vector<std::string>& names) const
{
    if (positionals_.size() < names.size()) throw CtlError::badInput("missing " + names[positionals_.size()]);
    if (positionals_.size() > names.size())
        throw CtlError::badInput("unexpected argument '" + positionals_[names.size()] + "'");
}

} // namespace Ctl
