#pragma once
#include <string>

namespace Plent {

// One date of the fixed exception-date table, by its key "ddmmyyyy".
class CFixUnless {
public:
    const std::string& Key() const { return key_; }
    void setKey(std::string key) { key_ = std::move(key); }

private:
    std::string key_;
};

} // namespace Plent
