#include "wide_text.h"

#include "windows_api.h"

std::wstring Wide(std::string_view text) {
    if (text.empty()) return {};
    const int size = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(CP_UTF8, 0, text.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), size, wide.data(), length);
    return wide;
}

std::string Narrow(std::wstring_view text) {
    if (text.empty()) return {};
    const int size = static_cast<int>(text.size());
    const int length =
        WideCharToMultiByte(CP_UTF8, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), size, narrow.data(), length, nullptr, nullptr);
    return narrow;
}

std::wstring PanelCodes(std::string_view text) {
    std::wstring codes(text.size(), L' ');
    for (std::size_t i = 0; i < text.size(); ++i) {
        codes[i] = static_cast<wchar_t>(static_cast<unsigned char>(text[i]));
    }
    return codes;
}

std::wstring ControlText(std::string_view text) {
    const std::wstring wide = Wide(text);
    std::wstring lines;
    lines.reserve(wide.size() + 8);
    for (std::size_t i = 0; i < wide.size(); ++i) {
        if (wide[i] == L'\n' && (i == 0 || wide[i - 1] != L'\r')) lines += L'\r';
        lines += wide[i];
    }
    return lines;
}
