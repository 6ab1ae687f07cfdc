#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "AutomationError.h"

namespace Platform {

// The error info of the last failed call on this thread: a server sets it
// before it returns a failure; the client takes it (which clears it).
struct ErrorInfo {
    int32_t number = 0;
    std::string source;
    std::string description;
};

void SetErrorInfo(const ErrorInfo& info);
void ClearErrorInfo();
std::optional<ErrorInfo> TakeErrorInfo();

// Runs a server member: an AutomationError thrown inside becomes its error
// info and the control-facility result; anything else becomes E_FAIL or
// E_OUTOFMEMORY with a description. Never lets an exception cross the interface.
template <class F>
HRESULT Guarded(const char* source, F&& body) noexcept;

HRESULT ReportError(const AutomationError& error) noexcept;
HRESULT ReportUnexpected(const char* source, const char* what) noexcept;

template <class F>
HRESULT Guarded(const char* source, F&& body) noexcept
{
    try {
        ClearErrorInfo();
        body();
        return S_OK;
    } catch (const AutomationError& e) {
        return ReportError(e);
    } catch (const std::bad_alloc&) {
        return ReportUnexpected(source, "Out of memory");
    } catch (const std::exception& e) {
        return ReportUnexpected(source, e.what());
    } catch (...) {
        return ReportUnexpected(source, "unknown failure");
    }
}

// Client side: turns a failed result into an AutomationError carrying the
// error info's number, source and description (or, without error info, the
// number of a control-facility result or the result itself).
void Check(HRESULT hr, const char* what = "");

} // namespace Platform
