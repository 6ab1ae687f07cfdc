#pragma once
#include <functional>
#include <string>

#include "Plent/engine/StartNowInterface.h"
#include "Platform/automation/ComObject.h"

// What the engine's list window calls for "start now": the runner gives it
// a way to its own records, PelmorEdit a way to the runner's socket.
class EventStarter final : public Platform::ComObject<Kalvor::_CPlentStarter> {
public:
    using Start = std::function<Kalvor::StartAnswer(const std::string& identifier, std::string& detail)>;

    explicit EventStarter(Start start) : start_(std::move(start)) {}

    // The way is gone (the runner ends): from now on no runner runs.
    void detach() { start_ = nullptr; }

    Platform::HRESULT StartNow(const std::string& sIdentifier, int16_t* piAnswer, std::string* srDetail) override;

protected:
    void* queryInterface(const Platform::Guid& iid) override;

private:
    Start start_;
};
