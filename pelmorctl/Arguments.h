#pragma once
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace Ctl {

// An option a command accepts: "--name" alone, or "--name VALUE" (also
// written "--name=VALUE").
struct OptionSpec {
    std::string name;
    bool takesValue = false;
    // The value is the next two words, joined by a blank ("--every 15 minutes").
    bool twoWords = false;
};

// The words after the command name, split into positional arguments and the
// options the command declared. "--help" or "-h" anywhere asks for help;
// "--" ends the options, so that what follows is positional even when it
// starts with "--".
class Arguments {
public:
    // Fails with bad input for an unknown option, a missing value, a value
    // given to a plain option and an option given twice.
    Arguments(const std::vector<std::string>& words, const std::vector<OptionSpec>& specs);

    bool helpWanted() const { return helpWanted_; }
    const std::vector<std::string>& positionals() const { return positionals_; }
    bool has(const std::string& name) const { return options_.count(name) > 0; }
    std::optional<std::string> value(const std::string& name) const;

    // Fails with bad input unless there is exactly one positional argument
    // for each name; the message names the first one missing or the first
    // word left over.
    void expectPositionals(const std::vector<std::string>& names) const;

private:
    // Takes the option at words[i], and its value from words[i + 1] when it
    // needs one (moving i past it).
    void takeOption(const std::vector<std::string>& words, size_t& i, const std::vector<OptionSpec>& specs);

    bool helpWanted_ = false;
    std::vector<std::string> positionals_;
    std::map<std::string, std::string> options_;
};

} // namespace Ctl
