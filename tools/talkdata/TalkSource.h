#pragma once
// One heroine's conversation source as the writers author it (content/talk/heroineN.txt).
#include <map>
#include <string>
#include <vector>

struct TalkResponse {
    std::string change;  // sign and digit, as the response file stores it
    std::string text;
};

struct TalkConversation {
    std::string id;
    std::vector<std::string> codes;
    std::map<std::string, TalkResponse> responses;  // by reply code
};

struct TalkSource {
    std::map<std::string, std::string> captions;  // by reply code
    std::vector<TalkConversation> conversations;  // in the order of the file
    std::vector<std::string> problems;            // "file:line: what is wrong"
};

// Reads one source file into `source`, adding a problem for every line that breaks the format.
void ReadTalkSource(const std::string& path, TalkSource& source);
// Adds a problem for every conversation that lacks a caption or response, or is not ten codes.
void CheckTalkSource(TalkSource& source);
