#pragma once
// The game's texts are UTF-8; the Windows API takes UTF-16. Conversions at the boundary only.
#include <string>
#include <string_view>

std::wstring Wide(std::string_view text);
std::string Narrow(std::wstring_view text);
// The panel's code page: one byte a character, Latin-1, with the arrows of the panel font at
// 165 and 166, each byte its own character whatever UTF-8 would make of it.
std::wstring PanelCodes(std::string_view text);
// Texts from the core break lines with CR LF, as the Windows controls want them; a lone LF is
// made CR LF too.
std::wstring ControlText(std::string_view text);
