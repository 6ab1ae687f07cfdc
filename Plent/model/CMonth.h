#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "colDays.h"

namespace Plent {

// A month of an unless rule (1 to 12, 0 = every month) with its days.
class CMonth {
public:
    static constexpr const char* ClassName = "CMonth";

    const std::string& Key() const { return key_; }
    void setKey(std::string key) { key_ = std::move(key); }
    int16_t Month() const { return month_; }
    void setMonth(int16_t month) { month_ = month; }

    // Created empty on first use; to read, a month without any has none.
    colDays& Days();
    const colDays& Days() const;
    std::shared_ptr<colDays> DaysRef();
    void setDays(std::shared_ptr<colDays> days) { days_ = std::move(days); }

    // Its section of the event file.
    void Save(CLoadSaveObject& stream);
    void Load(CLoadSaveObject& stream);

private:
    std::string key_;
    int16_t month_ = 0;
    std::shared_ptr<colDays> days_;
};

} // namespace Plent
