#pragma once
#include <QString>

#include <string>

namespace History {

// The end of a run's output file, which is all the history keeps of it.
class OutputTail {
public:
    static constexpr qint64 Kept = 8 * 1024;

    // The last Kept bytes of the file (less when a character would be cut
    // in two); empty when it cannot be read.
    static QString of(const std::string& file);
};

} // namespace History
