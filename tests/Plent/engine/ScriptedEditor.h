#pragma once
// The editor window, shown by a script instead of a user: the engine gets
// its editors from a factory that hands each showing to the next step,
// which answers with what the user made of the shown draft, or nothing for
// Cancel.
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "Plent/engine/EngineWindows.h"
#include "Plent/engine/IPlentForm.h"
#include "Platform/automation/AutomationError.h"
#include "Platform/automation/RuntimeError.h"

namespace SchedulingFixtures {

struct EditorRecord {
    std::vector<std::pair<int32_t, int16_t>> inits;
    std::vector<Plent::EditorMode> modes;
    int identifierChecks = 0;
    int unloads = 0;
};

class ScriptedForm : public Plent::IPlentForm {
public:
    using Step = std::function<std::optional<Plent::EventDraft>(Plent::EventDraft shown)>;

    ScriptedForm(EditorRecord& record, std::deque<Step>& steps) : record_(record), steps_(steps) {}
    ~ScriptedForm() override { ++record_.unloads; }

    void Init(int32_t hMsg, int16_t iOffSet) override { record_.inits.emplace_back(hMsg, iOffSet); }
    // A new window: the design's defaults, no first start.
    Plent::EventDraft Draft() const override { return {}; }
    // A showing without a step is cancelled.
    std::optional<Plent::EventDraft> Edit(const Plent::EventDraft& draft, Plent::EditorMode mode,
                                          const IdentifierTaken& taken) override
    {
        record_.modes.push_back(mode);
        if (taken) ++record_.identifierChecks;
        if (steps_.empty()) return std::nullopt;
        const Step step = std::move(steps_.front());
        steps_.pop_front();
        return step(draft);
    }

private:
    EditorRecord& record_;
    std::deque<Step>& steps_;
};

// Installed while it lives; the factory installed before comes back after.
// It opens editors only.
class ScriptedEditors : public Plent::EngineWindows {
public:
    ScriptedEditors() : previous_(Install(this)) {}
    ~ScriptedEditors() override { Install(previous_); }
    ScriptedEditors(const ScriptedEditors&) = delete;
    ScriptedEditors& operator=(const ScriptedEditors&) = delete;

    ScriptedEditors& then(ScriptedForm::Step step)
    {
        steps.push_back(std::move(step));
        return *this;
    }

    Platform::ComPtr<Plent::IListWindow> NewListWindow() override
    {
        Platform::Raise(Platform::Err::ObjectNotSet, "ScriptedEditors", "A script opens no list window");
    }
    std::unique_ptr<Plent::IPlentForm> NewPlentForm() override { return std::make_unique<ScriptedForm>(record, steps); }

    EditorRecord record;
    std::deque<ScriptedForm::Step> steps;

private:
    Plent::EngineWindows* previous_;
};

} // namespace SchedulingFixtures
