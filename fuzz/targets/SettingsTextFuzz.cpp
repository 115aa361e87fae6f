// The settings text over any bytes, as a player may have left it: reading changes nothing, a
// value written reads back the same, also from the text written, and writing or erasing the
// game's values leaves the player's own values alone.
#include "FuzzCheck.h"
#include "platform/SettingsText.h"

#include <cstdint>
#include <string>
#include <string_view>

using namespace Platform;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    SettingsText text(bytes);
    Require(text.Text() == bytes, "reading changes nothing");
    const std::optional<std::string> scale = text.Get("Display", "Scale");
    const std::optional<std::string> other = text.Get("Other", "Key");

    // The input is the value too: any bytes, line breaks and NULs included.
    text.Set("Velmoor2", "CString", bytes);
    text.Set("velmoor2", "SavedNamae", "名");
    Require(text.Get("Velmoor2", "Cstring") == bytes, "a value written reads back the same");
    const SettingsText written(text.Text());
    Require(written.Get("VELMOOR2", "CString") == bytes && written.Get("Velmoor2", "SavedNamae") == "名",
            "written values read back the same from the text");
    Require(written.Get("Display", "Scale") == scale && written.Get("Other", "Key") == other,
            "writing the game's values leaves the others alone");

    Require(text.RemoveSection("Velmoor2"), "the section written is there to remove");
    Require(!text.Get("Velmoor2", "CString") && !text.Get("Velmoor2", "SavedNamae"), "the erase removes every key");
    Require(SettingsText(text.Text()).Get("Display", "Scale") == scale, "the erase leaves other sections alone");
    return 0;
}
