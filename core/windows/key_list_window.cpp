// The key list window: every key of the key map and what it does.
#include "panel/key_map.h"
#include "windows/info_windows.h"

namespace kv41 {

InfoWindow BuildKeyListWindow(const GameState& /*g*/) {
    InfoWindow window;
    window.Name = "keys";
    window.Caption = "Keys";
    window.HelpContext = 410;
    window.Heads.push_back("Key         Does");
    window.Lines = KeyListLines();
    window.EndPane();
    return window;
}

}  // namespace kv41
