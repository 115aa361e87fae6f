// The settings text over any bytes: every name read is usable, and what is read is written and
// read back the same.
#include "FuzzCheck.h"
#include "platform/SettingsFile.h"

#include <cstdint>
#include <string_view>

using namespace Platform;

namespace {

bool SameDocument(const SettingsDocument& a, const SettingsDocument& b)
{
    if (a.size() != b.size())
        return false;
    for (size_t s = 0; s < a.size(); ++s) {
        if (a[s].name != b[s].name || a[s].entries.size() != b[s].entries.size())
            return false;
        for (size_t e = 0; e < a[s].entries.size(); ++e)
            if (a[s].entries[e].key != b[s].entries[e].key || a[s].entries[e].value != b[s].entries[e].value)
                return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    SettingsDocument document = ParseSettingsText(text);
    for (size_t s = 0; s < document.size(); ++s) {
        Require(IsUsableSettingsName(document[s].name), "a section name read is usable");
        for (size_t later = s + 1; later < document.size(); ++later)
            Require(!SameNameIgnoringCase(document[s].name, document[later].name), "a section is read once");
        for (const SettingsEntry& entry : document[s].entries)
            Require(IsUsableSettingsName(entry.key), "a key read is usable");
    }
    // A section without keys is not written.
    std::erase_if(document, [](const SettingsSection& section) { return section.entries.empty(); });
    const std::string written = FormatSettingsText(document);
    Require(SameDocument(ParseSettingsText(written), document), "written settings read back the same");
    return 0;
}
