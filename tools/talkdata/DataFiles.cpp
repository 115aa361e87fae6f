#include "DataFiles.h"

#include <cerrno>
#include <cstdio>
#include <iconv.h>
#include <stdexcept>

namespace {

std::string ToShiftJis(const std::string& utf8)
{
    iconv_t converter = iconv_open("CP932", "UTF-8");
    if (converter == reinterpret_cast<iconv_t>(-1))
        throw std::runtime_error("no CP932 converter on this system");
    std::string out(utf8.size() * 2 + 4, '\0');
    char* in = const_cast<char*>(utf8.data());
    size_t inLeft = utf8.size();
    char* to = out.data();
    size_t outLeft = out.size();
    const size_t done = iconv(converter, &in, &inLeft, &to, &outLeft);
    iconv_close(converter);
    if (done == static_cast<size_t>(-1))
        throw std::runtime_error("no Shift-JIS form for: " + utf8);
    out.resize(out.size() - outLeft);
    return out;
}

// Written beside the final name and renamed over it, so a failed build never leaves half a file.
void WriteFile(const std::string& path, const std::string& utf8Lines)
{
    const std::string bytes = ToShiftJis(utf8Lines);
    const std::string temporary = path + ".part";
    std::FILE* file = std::fopen(temporary.c_str(), "wb");
    if (!file)
        throw std::runtime_error("cannot write " + temporary);
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    if (std::fclose(file) != 0 || !written || std::rename(temporary.c_str(), path.c_str()) != 0)
        throw std::runtime_error("cannot write " + path);
}

}  // namespace

bool WriteDataFiles(const TalkSource& source, const std::string& directory, std::string& problem)
{
    std::string codes, captions, responses;
    for (const TalkConversation& talk : source.conversations) {
        codes += talk.id;
        for (const std::string& code : talk.codes)
            codes += "," + code;
        codes += "\r\n";
        responses += talk.id + "\r\n";
        for (const std::string& code : talk.codes) {
            const TalkResponse& response = talk.responses.at(code);
            responses += code + response.text + response.change + "\r\n";
        }
    }
    for (const auto& [code, caption] : source.captions)
        captions += code + caption + "\r\n";
    try {
        WriteFile(directory + "/VelKCode.dat", codes);
        WriteFile(directory + "/VelKaiwa.dat", captions);
        WriteFile(directory + "/VelResp.dat", responses);
    } catch (const std::exception& error) {
        problem = error.what();
        return false;
    }
    return true;
}
