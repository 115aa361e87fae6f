// veltalkdata GAME_DIR SOURCE...: turns the conversation sources into the game's three data
// files, refusing to write anything if a source breaks the format or leaves a reply unanswered.
#include "DataFiles.h"
#include "TalkSource.h"

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: veltalkdata GAME_DIR SOURCE...\n");
        return 2;
    }
    TalkSource source;
    for (int i = 2; i < argc; ++i)
        ReadTalkSource(argv[i], source);
    CheckTalkSource(source);
    for (const std::string& problem : source.problems)
        std::fprintf(stderr, "veltalkdata: %s\n", problem.c_str());
    if (!source.problems.empty())
        return 1;
    std::string problem;
    if (!WriteDataFiles(source, argv[1], problem)) {
        std::fprintf(stderr, "veltalkdata: %s\n", problem.c_str());
        return 1;
    }
    std::printf("veltalkdata: %zu conversations, %zu replies\n", source.conversations.size(), source.captions.size());
    return 0;
}
