#include "TalkSource.h"

#include <algorithm>
#include <fstream>

namespace {

// The next blank-separated word of `rest`, removed from it.
std::string TakeWord(std::string& rest)
{
    const size_t blank = rest.find(' ');
    std::string word = rest.substr(0, blank);
    rest = blank == std::string::npos ? "" : rest.substr(blank + 1);
    return word;
}

bool InRange(char c, char low, char high) { return c >= low && c <= high; }

// A conversation id: place 1-7, heroine 1-6, A (she was there) or B (she came by).
bool IsConversationId(const std::string& id)
{
    return id.size() == 3 && InRange(id[0], '1', '7') && InRange(id[1], '1', '6') && (id[2] == 'A' || id[2] == 'B');
}

bool IsReplyCode(const std::string& code)
{
    return code.size() == 3 && InRange(code[0], '1', '9') && InRange(code[1], '0', '9') && InRange(code[2], '0', '9');
}

// An affection change as the response file stores it: a sign and one digit.
bool IsChange(const std::string& change)
{
    return change.size() == 2 && (change[0] == '+' || change[0] == '-') && InRange(change[1], '0', '9');
}

// The data files separate fields by commas and quote with double quotes; our texts never need either.
bool IsPlainText(const std::string& text)
{
    return !text.empty() && text.find_first_of(",\" \t\r") == std::string::npos;
}

}  // namespace

void ReadTalkSource(const std::string& path, TalkSource& source)
{
    std::ifstream in(path);
    if (!in) {
        source.problems.push_back(path + ": cannot be read");
        return;
    }
    std::map<std::string, size_t> byId;  // conversation index by id
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        const std::string where = path + ":" + std::to_string(number) + ": ";
        if (line.empty() || line[0] == '#')
            continue;
        std::string rest = line;
        const std::string kind = TakeWord(rest);
        if (kind == "greeting")
            continue;  // the greetings are built into the game, not into the data files
        if (kind == "reply") {
            const std::string code = TakeWord(rest);
            if (!IsReplyCode(code) || !IsPlainText(rest))
                source.problems.push_back(where + "a reply needs a three-digit code and a caption");
            else if (!source.captions.emplace(code, rest).second)
                source.problems.push_back(where + "reply " + code + " is given twice");
        } else if (kind == "talk") {
            TalkConversation talk{TakeWord(rest), {}, {}};
            while (!rest.empty())
                talk.codes.push_back(TakeWord(rest));
            if (!IsConversationId(talk.id) || byId.count(talk.id))
                source.problems.push_back(where + "talk " + talk.id + " is not a new conversation id");
            byId.emplace(talk.id, source.conversations.size());
            source.conversations.push_back(talk);
        } else if (kind == "response") {
            const std::string id = TakeWord(rest);
            const std::string code = TakeWord(rest);
            const std::string change = TakeWord(rest);
            if (!byId.count(id) || !IsChange(change) || !IsPlainText(rest))
                source.problems.push_back(where + "a response needs a known id, a code, a change like +3 and a text");
            else if (!source.conversations[byId[id]].responses.emplace(code, TalkResponse{change, rest}).second)
                source.problems.push_back(where + "response " + id + " " + code + " is given twice");
        } else {
            source.problems.push_back(where + "unknown line kind '" + kind + "'");
        }
    }
}

void CheckTalkSource(TalkSource& source)
{
    for (const TalkConversation& talk : source.conversations) {
        if (talk.codes.size() != 10)
            source.problems.push_back("talk " + talk.id + " names " + std::to_string(talk.codes.size())
                                      + " codes instead of ten");
        for (const std::string& code : talk.codes) {
            // A code must belong to her own range, or another heroine's caption could answer it.
            if (code.size() != 3 || code[0] != talk.id[1])
                source.problems.push_back("talk " + talk.id + ": code " + code + " is not one of her own");
            if (!source.captions.count(code))
                source.problems.push_back("talk " + talk.id + ": no reply line for " + code);
            if (!talk.responses.count(code))
                source.problems.push_back("talk " + talk.id + ": no response to " + code);
        }
        for (const auto& [code, response] : talk.responses)
            if (std::find(talk.codes.begin(), talk.codes.end(), code) == talk.codes.end())
                source.problems.push_back("talk " + talk.id + ": response to " + code + " is never offered");
    }
}
