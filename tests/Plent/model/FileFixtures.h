#pragma once
#include "support/FileContents.h"
#include "support/RaisedError.h"
#include "support/TempDir.h"
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "Platform/automation/AutomationError.h"

namespace fixtures {

namespace fs = std::filesystem;

// A directory of its own, removed with everything in it afterwards.
using TempDir = TestSupport::TempDir;

inline std::string hex(const std::string& bytes)
{
    static constexpr char Digits[] = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : bytes) {
        if (!out.empty()) out += ' ';
        out += Digits[c >> 4];
        out += Digits[c & 15];
    }
    return out;
}

// The bytes of a stream, item by item; strings are given as stored.
struct Bytes {
    std::string data;
    Bytes& integer(int16_t v)
    {
        data += static_cast<char>(v & 0xFF);
        data += static_cast<char>((static_cast<uint16_t>(v) >> 8) & 0xFF);
        return *this;
    }
    Bytes& date(double d)
    {
        const auto bits = std::bit_cast<uint64_t>(d);
        for (int i = 0; i < 8; ++i) data += static_cast<char>(bits >> (8 * i));
        return *this;
    }
    Bytes& string(const std::string& s) { integer(static_cast<int16_t>(s.size())); data += s; return *this; }
    Bytes& header(const std::string& name) { return integer(10297).string(name).integer(0); }
    // An event section with an empty rule; every other field 0 or empty.
    Bytes& event(const std::string& id, int16_t status = 0, int16_t deleteAfterDone = 0)
    {
        header("CPlent").integer(0).integer(0).integer(deleteAfterDone).string("").integer(0).date(0).integer(0);
        string(id).date(0).integer(status).integer(0).string("").integer(0).integer(0).date(0).integer(0);
        return header("CUnless").integer(0).header("colMonths").header("colWeekDays");
    }
    Bytes& fileStart() { return header("CPlentEngine").header("colPlents"); }
};

// Collects what the loads report as out of place.
struct NoticeRecorder {
    std::vector<std::string> texts;
};

using TestSupport::errorOf;

} // namespace fixtures
