#include "ErrorInfo.h"

#include <cstdio>

#include "RuntimeError.h"

namespace Platform {

namespace {
thread_local std::optional<ErrorInfo> lastError;
}

void SetErrorInfo(const ErrorInfo& info) { lastError = info; }

void ClearErrorInfo() { lastError.reset(); }

std::optional<ErrorInfo> TakeErrorInfo()
{
    auto info = std::move(lastError);
    lastError.reset();
    return info;
}

HRESULT ReportError(const AutomationError& error) noexcept
{
    try {
        SetErrorInfo({error.number(), error.source(), error.description()});
    } catch (...) {
        return E_OUTOFMEMORY;
    }
    return error.hresult();
}

HRESULT ReportUnexpected(const char* source, const char* what) noexcept
{
    try {
        SetErrorInfo({static_cast<int32_t>(E_FAIL), source, what});
    } catch (...) {
        return E_OUTOFMEMORY;
    }
    return E_FAIL;
}

void Check(HRESULT hr, const char* what)
{
    if (Succeeded(hr)) return;
    if (auto info = TakeErrorInfo()) throw AutomationError(info->number, info->source, info->description);
    if (IsControlError(hr)) {
        const int32_t number = static_cast<int32_t>(static_cast<uint32_t>(hr) & 0xFFFFu);
        throw AutomationError(number, what);
    }
    char text[64];
    std::snprintf(text, sizeof text, "Automation error 0x%08X", static_cast<unsigned>(hr));
    throw AutomationError(hr, what, text);
}

} // namespace Platform
