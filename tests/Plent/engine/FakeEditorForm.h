#pragma once
// An editor window without widgets: it keeps what is written into it and
// runs no handlers. A new one holds what a new editor window shows in the
// boxes and options a script may leave as they are: no delay, done at once,
// retry mode "once", every 1, an empty time window; everything else is
// empty, unchecked and unmarked.
#include <map>
#include <set>
#include <string>
#include <utility>

#include "Plent/engine/IPlentForm.h"

namespace SchedulingFixtures {

class FakeEditorForm : public Plent::IPlentForm {
public:
    void Init(int32_t, int16_t) override {}
    void setEngine(Plent::CPlentEngine*) override {}
    void SetEditable(bool editable) override { editable_ = editable; }
    bool Editable() const override { return editable_; }
    void ShowModal() override {}
    bool Confirmed() const override { return false; }

    std::string Text(const std::string& b) const override { return valueOf(texts_, b); }
    void setText(const std::string& b, const std::string& t) override { texts_[b] = t; }
    int CheckValue(const std::string& b) const override { return valueOf(checks_, b); }
    void setCheckValue(const std::string& b, int v) override { checks_[b] = v; }
    int SelectedOption(const std::string& a) const override { return valueOf(options_, a, -1); }
    void selectOption(const std::string& a, int i) override { options_[a] = i; }
    bool DaySelected(int d) const override { return marked(0, d); }
    void setDaySelected(int d, bool s) override { mark(0, d, s); }
    // Weekday rows go apart from the months as month -1.
    bool WeekDaySelected(int r) const override { return marked(-1, r); }
    void setWeekDaySelected(int r, bool s) override { mark(-1, r, s); }
    bool MonthDaySelected(int m, int d) const override { return marked(m, d); }
    void setMonthDaySelected(int m, int d, bool s) override { mark(m, d, s); }

private:
    template <class V>
    static V valueOf(const std::map<std::string, V>& values, const std::string& name, V unset = V())
    {
        const auto found = values.find(name);
        return found != values.end() ? found->second : unset;
    }
    bool marked(int month, int day) const { return marks_.count({month, day}) != 0; }
    void mark(int month, int day, bool selected)
    {
        if (selected) marks_.insert({month, day});
        else marks_.erase({month, day});
    }

    bool editable_ = false;
    std::map<std::string, std::string> texts_{{"txtDelay", "0"}, {"txtRetry", "1"}, {"txtFrom", "00:00"}, {"txtTo", "00:00"}};
    std::map<std::string, int> checks_;
    std::map<std::string, int> options_{{"optDelay", 0}, {"optRetryMode", 1}};
    std::set<std::pair<int, int>> marks_;
};

} // namespace SchedulingFixtures
