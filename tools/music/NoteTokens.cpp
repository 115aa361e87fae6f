#include "NoteTokens.h"

#include <cctype>
#include <stdexcept>

namespace velmusic {
namespace {

bool isSpace(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }

std::vector<std::string> split(std::string_view line)
{
    std::vector<std::string> tokens;
    size_t i = 0;
    while (i < line.size()) {
        if (isSpace(line[i])) {
            ++i;
            continue;
        }
        size_t start = i;
        if (line[i] == '(') {
            ++i;
        } else {
            if (line[i] == '[') {
                while (i < line.size() && line[i] != ']')
                    ++i;
                if (i == line.size())
                    throw std::runtime_error("chord without closing ]");
            }
            ++i;
            while (i < line.size() && !isSpace(line[i]) && line[i] != '(' && line[i] != ')' && line[i] != '[')
                ++i;
        }
        tokens.emplace_back(line.substr(start, i - start));
    }
    return tokens;
}

// Appends tokens from position i up to the end or to the closing ")*N" of the group.
size_t unroll(const std::vector<std::string>& in, size_t i, std::vector<std::string>& out, bool inGroup)
{
    while (i < in.size()) {
        const std::string& token = in[i++];
        if (token == "(") {
            std::vector<std::string> group;
            i = unroll(in, i, group, true);
            int count = std::stoi(in[i - 1].substr(2));
            for (int n = 0; n < count; ++n)
                out.insert(out.end(), group.begin(), group.end());
        } else if (token[0] == ')') {
            if (!inGroup)
                throw std::runtime_error("')' without '('");
            if (token.size() < 3 || token[1] != '*' || token.find_first_not_of("0123456789", 2) != std::string::npos)
                throw std::runtime_error("a group must end with )*N, got " + token);
            return i;
        } else {
            out.push_back(token);
        }
    }
    if (inGroup)
        throw std::runtime_error("'(' without ')*N'");
    return i;
}

}  // namespace

std::vector<std::string> noteTokens(std::string_view line)
{
    std::vector<std::string> out;
    unroll(split(line), 0, out, false);
    return out;
}

}  // namespace velmusic
