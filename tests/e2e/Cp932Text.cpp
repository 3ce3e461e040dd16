#include "tests/e2e/Cp932Text.h"

#include "platform/win32/WinApi.h"

namespace {
constexpr UINT kCp932 = 932;
}

std::wstring FromCp932(const std::string& text) {
    if (text.empty()) return {};
    int units = MultiByteToWideChar(kCp932, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(units, L'\0');
    MultiByteToWideChar(kCp932, 0, text.data(), static_cast<int>(text.size()), &wide[0], units);
    return wide;
}

std::string ToCp932(const std::wstring& text) {
    if (text.empty()) return {};
    int bytes = WideCharToMultiByte(kCp932, WC_NO_BEST_FIT_CHARS, text.data(), static_cast<int>(text.size()), nullptr,
                                    0, nullptr, nullptr);
    std::string narrow(bytes, '\0');
    WideCharToMultiByte(kCp932, WC_NO_BEST_FIT_CHARS, text.data(), static_cast<int>(text.size()), &narrow[0], bytes,
                        nullptr, nullptr);
    return narrow;
}
