#pragma once
#include <cstdint>
#include <string>

#include "CLoadSaveObject.h"

namespace Plent {

// A weekday in an unless rule: 1 = Sunday to 7 = Saturday.
class CWeekDay {
public:
    static constexpr const char* ClassName = "CWeekDay";

    const std::string& Key() const { return key_; }
    void setKey(std::string key) { key_ = std::move(key); }
    int16_t WeekDay() const { return weekDay_; }
    void setWeekDay(int16_t weekDay) { weekDay_ = weekDay; }

    // Its section of the event file.
    void Save(CLoadSaveObject& stream) const;
    void Load(CLoadSaveObject& stream);

private:
    std::string key_;
    int16_t weekDay_ = 0;
};

} // namespace Plent
