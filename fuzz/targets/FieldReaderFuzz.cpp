// The field reader over any text: it ends, every field comes from the text, and fields written
// back in quotes read again as the same fields.
#include "FuzzCheck.h"
#include "talk/FieldReader.h"

#include <cstdint>
#include <string>
#include <vector>

using Velmoor2::FieldReader;

namespace {

std::vector<std::string> ReadAll(std::string_view text)
{
    std::vector<std::string> fields;
    FieldReader reader(text);
    while (auto field = reader.Next()) {
        fields.push_back(std::move(*field));
        // Every field but an empty one at the very end uses up at least its separator.
        Require(fields.size() <= text.size() + 1, "the reader ends");
    }
    return fields;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> fields = ReadAll(text);
    size_t total = 0;
    bool quotable = true;
    for (const std::string& field : fields) {
        Require(field.size() <= text.size(), "a field is no longer than the text");
        Require(text.find(field) != std::string::npos, "a field is a piece of the text");
        total += field.size();
        quotable = quotable && field.find('"') == std::string::npos;
    }
    Require(total <= text.size(), "the fields together are no longer than the text");
    if (!quotable)
        return 0;
    std::string written;
    for (const std::string& field : fields)
        written += (written.empty() ? "\"" : ",\"") + field + "\"";
    Require(ReadAll(written) == fields, "quoted fields read back as written");
    return 0;
}
