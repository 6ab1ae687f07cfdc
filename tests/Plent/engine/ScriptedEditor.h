#pragma once
// The editor window, shown by a script instead of a user: the engine gets
// its editors from a factory that wraps each one around a window without
// widgets, and every modal showing runs the next step, which fills the
// window and answers whether the user confirmed it.
#include <deque>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "FakeEditorForm.h"
#include "Plent/engine/EngineWindows.h"
#include "Plent/engine/IPlentForm.h"
#include "Platform/automation/AutomationError.h"
#include "Platform/automation/RuntimeError.h"

namespace SchedulingFixtures {

struct EditorRecord {
    std::vector<std::pair<int32_t, int16_t>> inits;
    std::vector<bool> editable;
    int engineHandedOver = 0;
    int showings = 0;
    int unloads = 0;
};

class ScriptedForm : public Plent::IPlentForm {
public:
    using Step = std::function<bool(Plent::IPlentForm& window)>;

    ScriptedForm(std::unique_ptr<Plent::IPlentForm> window, EditorRecord& record, std::deque<Step>& steps)
        : window_(std::move(window)), record_(record), steps_(steps)
    {
    }
    ~ScriptedForm() override { ++record_.unloads; }

    void Init(int32_t hMsg, int16_t iOffSet) override
    {
        record_.inits.emplace_back(hMsg, iOffSet);
        window_->Init(hMsg, iOffSet);
    }
    void setEngine(Plent::CPlentEngine* engine) override
    {
        ++record_.engineHandedOver;
        window_->setEngine(engine);
    }
    void SetEditable(bool editable) override
    {
        record_.editable.push_back(editable);
        window_->SetEditable(editable);
    }
    bool Editable() const override { return window_->Editable(); }
    // A showing without a step is cancelled.
    void ShowModal() override
    {
        ++record_.showings;
        confirmed_ = false;
        if (steps_.empty()) return;
        const Step step = std::move(steps_.front());
        steps_.pop_front();
        confirmed_ = step(*window_);
    }
    bool Confirmed() const override { return confirmed_; }

    std::string Text(const std::string& b) const override { return window_->Text(b); }
    void setText(const std::string& b, const std::string& t) override { window_->setText(b, t); }
    int CheckValue(const std::string& b) const override { return window_->CheckValue(b); }
    void setCheckValue(const std::string& b, int v) override { window_->setCheckValue(b, v); }
    int SelectedOption(const std::string& a) const override { return window_->SelectedOption(a); }
    void selectOption(const std::string& a, int i) override { window_->selectOption(a, i); }
    bool DaySelected(int d) const override { return window_->DaySelected(d); }
    void setDaySelected(int d, bool s) override { window_->setDaySelected(d, s); }
    bool WeekDaySelected(int r) const override { return window_->WeekDaySelected(r); }
    void setWeekDaySelected(int r, bool s) override { window_->setWeekDaySelected(r, s); }
    bool MonthDaySelected(int m, int d) const override { return window_->MonthDaySelected(m, d); }
    void setMonthDaySelected(int m, int d, bool s) override { window_->setMonthDaySelected(m, d, s); }

private:
    std::unique_ptr<Plent::IPlentForm> window_;
    EditorRecord& record_;
    std::deque<Step>& steps_;
    bool confirmed_ = false;
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
    std::unique_ptr<Plent::IPlentForm> NewPlentForm() override
    {
        return std::make_unique<ScriptedForm>(std::make_unique<FakeEditorForm>(), record, steps);
    }

    EditorRecord record;
    std::deque<ScriptedForm::Step> steps;

private:
    Plent::EngineWindows* previous_;
};

} // namespace SchedulingFixtures
