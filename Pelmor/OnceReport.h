#pragma once
#include <string>

// A failure that can repeat at every poll (an unwritable history, a missing
// notification service) is told once on standard error, and again only
// after things went well in between.
class OnceReport {
public:
    explicit OnceReport(std::string what) : what_(std::move(what)) {}

    void failed(const std::string& why);
    void succeeded() { told_ = false; }

private:
    std::string what_;
    bool told_ = false;
};
