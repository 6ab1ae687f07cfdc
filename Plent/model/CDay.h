#pragma once
#include <cstdint>
#include <string>

#include "CLoadSaveObject.h"

namespace Plent {

// A day of the month in an unless rule: 1 to 31, or 32 for the last day.
class CDay {
public:
    static constexpr const char* ClassName = "CDay";

    const std::string& Key() const { return key_; }
    void setKey(std::string key) { key_ = std::move(key); }
    int16_t Day() const { return day_; }
    void setDay(int16_t day) { day_ = day; }

    // Its section of the event file.
    void Save(CLoadSaveObject& stream) const;
    void Load(CLoadSaveObject& stream);

private:
    std::string key_;
    int16_t day_ = 0;
};

} // namespace Plent
