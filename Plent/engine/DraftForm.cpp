#include "DraftForm.h"

#include "CPlentEngine.h"

namespace Plent {

namespace {
template <class V>
V valueOf(const std::map<std::string, V>& values, const std::string& name, V unset)
{
    const auto found = values.find(name);
    return found != values.end() ? found->second : unset;
}
} // namespace

std::string DraftForm::Text(const std::string& textBox) const { return valueOf(texts_, textBox, std::string()); }

int DraftForm::CheckValue(const std::string& checkBox) const { return valueOf(checks_, checkBox, 0); }

int DraftForm::SelectedOption(const std::string& optionArray) const { return valueOf(options_, optionArray, -1); }

std::optional<EditorChecks::Failure> DraftForm::firstFailure() const
{
    EditorChecks::ExistEvent existEvent;
    if (engine_) existEvent = [this](const std::string& id) { return engine_->ExistEvent(id); };
    return EditorChecks::firstFailure(EditorEntries::of(*this), existEvent, marks_);
}

} // namespace Plent
