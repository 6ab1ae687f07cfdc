#include "CMsg.h"

#include <QString>
#include <QWidget>

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <optional>

#include "Platform/automation/AutomationError.h"
#include "Platform/automation/RuntimeError.h"
#include "Platform/automation/IDispatch.h"
#include "Platform/modules/Library.h"
#include "Platform/text/Cp1252.h"
#include "Platform/text/TextKey.h"
#include "Platform/boxes/MessageBox.h"
#include "Platform/ui/UiProperties.h"

using Platform::UiProperties;

namespace Plent {

namespace {

constexpr int32_t NoLanguage = -1;
constexpr int LoaderBufferSize = 256;

// The number of a marker as an Integer, or nothing when it does not convert.
std::optional<int16_t> toInteger(const std::string& number)
{
    try {
        return Platform::Variant::string(number).toInteger();
    } catch (const Platform::AutomationError&) {
        return std::nullopt;
    }
}

QString toQString(const std::string& utf8) { return QString::fromStdString(utf8); }

} // namespace

int32_t CMsg::OpenLanguage(const std::string& sFile)
{
    if (!sFile.empty() && sFile.front() == '?') return NoLanguage;
    return Platform::LoadLibraryA(sFile.c_str());
}

void CMsg::CloseLanguage(int32_t& hMsg)
{
    if (hMsg > 0) Platform::FreeLibrary(hMsg);
    hMsg = 0;
}

std::string CMsg::GetString(int32_t hMsg, int16_t iMsgNr, const std::string& sMsgDef)
{
    if (hMsg == NoLanguage) return sMsgDef;
    std::string text;
    return SetString(hMsg, text, iMsgNr) ? text : sMsgDef;
}

void CMsg::SetOne(int32_t hMsg, QObject* ctl)
{
    if (hMsg == NoLanguage || !ctl) return;
    if (UiProperties::isToolbarControl(ctl)) {
        for (QObject* tool : UiProperties::bandTools(ctl))
            SetMarkedText(hMsg, tool, "Description", "Invalid MsgNr= in .Description-Property");
        return;
    }
    SetMarkedText(hMsg, ctl, "Tag", "Invalid MsgNr= in .Tag-Property");
}

void CMsg::SetAll(int32_t hMsg, QWidget* frm)
{
    if (hMsg == NoLanguage || !frm) return;
    SetOne(hMsg, frm);
    for (QObject* control : UiProperties::controls(frm)) SetOne(hMsg, control);
}

// The sum of number and offset is an Integer: leaving that range is an
// overflow, as for every Integer sum.
bool CMsg::SetString(int32_t hMsg, std::string& srStr, int16_t iMsgNr)
{
    if (hMsg == NoLanguage) return true;
    if (offSet_ == 0) {
        Platform::MessageBox::show("CMsg::SetString() - OffSet is 0");
        return false;
    }
    const int32_t id = int32_t{iMsgNr} + offSet_;
    if (id < INT16_MIN || id > INT16_MAX) Platform::Raise(Platform::Err::Overflow, "CMsg::SetString");
    char buffer[LoaderBufferSize];
    std::fill(std::begin(buffer), std::end(buffer), ' ');
    const int length = Platform::LoadStringA(hMsg, static_cast<unsigned>(id), buffer, LoaderBufferSize - 1);
    if (length == 0) {
        Platform::MessageBox::show("Message " + std::to_string(id) + " not found!");
        return false;
    }
    srStr = Platform::Cp1252::toUtf8(std::string_view(buffer, static_cast<size_t>(length)));
    return true;
}

// Reads the marker of an object ("MsgNr=<n>" among its tokens) and puts the
// text of that number into it. An object without the marker property, or
// without the key, stays as it is.
void CMsg::SetMarkedText(int32_t hMsg, QObject* object, const char* markerProperty, const char* invalidMessage)
{
    const auto marker = UiProperties::read(object, markerProperty);
    if (!marker) return;
    const std::string number = FindKey(marker->toStdString(), "MsgNr");
    if (number.empty()) return;
    const auto msgNr = toInteger(number);
    if (!msgNr) {
        Platform::MessageBox::show(invalidMessage);
        return;
    }
    std::string text;
    if (SetString(hMsg, text, *msgNr)) SetText(text, object);
}

std::string CMsg::FindKey(const std::string& text, const std::string& key)
{
    if (text.empty()) return {};
    for (std::string token = GetToken(text, " "); !token.empty(); token = GetToken("", " ")) {
        if (Platform::TextKey::equal(GetKey(token), key)) return GetValue(token);
    }
    return {};
}

// The next token of a text: a new text starts over, an empty text goes on
// in the text given last. Delimiters before a token are skipped, so empty
// tokens never come back except at the end.
std::string CMsg::GetToken(const std::string& text, const std::string& delimiters)
{
    if (!text.empty()) {
        tokenText_ = text;
        tokenPosition_ = 0;
    }
    size_t start = tokenPosition_;
    while (start < tokenText_.size() && delimiters.find(tokenText_[start]) != std::string::npos) ++start;
    if (start >= tokenText_.size()) return {};
    const size_t end = tokenText_.find_first_of(delimiters, start);
    tokenPosition_ = end == std::string::npos ? tokenText_.size() : end;
    return tokenText_.substr(start, tokenPosition_ - start);
}

std::string CMsg::GetKey(const std::string& token)
{
    const size_t equals = token.find('=');
    return equals == std::string::npos ? std::string() : token.substr(0, equals);
}

std::string CMsg::GetValue(const std::string& token)
{
    const size_t equals = token.find('=');
    return equals == std::string::npos ? std::string() : token.substr(equals + 1);
}

// Caption and tooltip, or the tab captions and the tooltip of a tab
// control. A property the object lacks is skipped.
void CMsg::SetText(const std::string& text, QObject* object)
{
    if (text.empty()) return;
    const std::string first = GetToken(text, "|");
    if (UiProperties::isTabControl(object)) return SetTabTexts(object, first);
    UiProperties::write(object, UiProperties::isTextBox(object) ? "text" : "Caption", toQString(first));
    UiProperties::write(object, "ToolTipText", toQString(GetToken("", "|")));
}

void CMsg::SetTabTexts(QObject* tabControl, std::string part)
{
    const int tabs = UiProperties::tabCount(tabControl);
    for (int tab = 0; tab < tabs; ++tab) {
        UiProperties::setTabCaption(tabControl, tab, toQString(part));
        part = GetToken("", "|");
    }
    UiProperties::write(tabControl, "ToolTipText", toQString(part));
}

} // namespace Plent
