#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

class QObject;
class QWidget;

namespace Plent {

// The message loader: texts by message number from the language library,
// written into windows, controls, tab controls and toolbar tools.
//
// A window and each of its translatable controls carry a marker
// "MsgNr=<n>" in their Tag (the toolbar's tools in their Description); the
// text with the string ID OffSet + n replaces the German design text. A text
// "caption|tooltip" gives a control both; for a tab control the parts are
// the tab captions in order, then the tooltip.
//
// hMsg is the language library's module handle; -1 means no library: every
// German text stays and nothing is looked up. Failed lookups are announced
// in a message box and leave the text as it is.
class CMsg {
public:
    // -1 for a name that begins with "?", else the module handle (0 when
    // the library does not load).
    int32_t OpenLanguage(const std::string& sFile);
    // Frees a handle above 0; hMsg is 0 afterwards in every case.
    void CloseLanguage(int32_t& hMsg);
    // The text of message iMsgNr, or sMsgDef when there is none.
    std::string GetString(int32_t hMsg, int16_t iMsgNr, const std::string& sMsgDef);
    // Applies the marked text of one window or control, or of every tool
    // in the bands of a toolbar control.
    void SetOne(int32_t hMsg, QObject* ctl);
    // SetOne on the window and on each of its controls.
    void SetAll(int32_t hMsg, QWidget* frm);
    // Loads the text of message iMsgNr into srStr; false, with srStr
    // unchanged, when there is none. With hMsg -1: true, srStr unchanged.
    bool SetString(int32_t hMsg, std::string& srStr, int16_t iMsgNr);

    int16_t OffSet() const { return offSet_; }
    void setOffSet(int16_t offSet) { offSet_ = offSet; }

private:
    std::string FindKey(const std::string& text, const std::string& key);
    std::string GetToken(const std::string& text, const std::string& delimiters);
    static std::string GetKey(const std::string& token);
    static std::string GetValue(const std::string& token);
    void SetText(const std::string& text, QObject* object);
    void SetTabTexts(QObject* tabControl, std::string part);
    void SetMarkedText(int32_t hMsg, QObject* object, const char* markerProperty, const char* invalidMessage);

    int16_t offSet_ = 0;
    // The tokenizer's state, shared by every caller of GetToken: the text
    // being split and the index of the next character to look at.
    std::string tokenText_;
    size_t tokenPosition_ = 0;
};

} // namespace Plent
