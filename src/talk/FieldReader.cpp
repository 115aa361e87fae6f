#include "talk/FieldReader.h"

namespace Velmoor2 {

std::optional<std::string> FieldReader::Next()
{
    while (at_ < text_.size() && (text_[at_] == ' ' || text_[at_] == '\t'))
        ++at_;
    if (at_ >= text_.size())
        return std::nullopt;
    std::string field;
    if (text_[at_] == '"') {
        // An unclosed quote runs to the end of the text.
        const size_t close = text_.find('"', at_ + 1);
        const size_t end = close == std::string_view::npos ? text_.size() : close;
        field = text_.substr(at_ + 1, end - at_ - 1);
        at_ = close == std::string_view::npos ? text_.size() : close + 1;
        while (at_ < text_.size() && text_[at_] != ',' && text_[at_] != '\n')
            ++at_;
    } else {
        const size_t end = text_.find_first_of(",\n", at_);
        field = text_.substr(at_, (end == std::string_view::npos ? text_.size() : end) - at_);
        at_ = end == std::string_view::npos ? text_.size() : end;
        if (!field.empty() && field.back() == '\r')
            field.pop_back();
    }
    if (at_ < text_.size())
        ++at_;  // the comma or line feed that ended the field
    return field;
}

}  // namespace Velmoor2
