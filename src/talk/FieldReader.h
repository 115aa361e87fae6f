#pragma once
// The conversation files as a sequence of fields: a field ends at a comma or a line end, blanks
// before it are skipped, and a field that opens with a double quote runs to the next one.
#include <optional>
#include <string>
#include <string_view>

namespace Velmoor2 {

class FieldReader {
public:
    explicit FieldReader(std::string_view text)
        : text_(text)
    {}
    // The next field; none at the end of the text.
    std::optional<std::string> Next();

private:
    std::string_view text_;
    size_t at_ = 0;
};

}  // namespace Velmoor2
