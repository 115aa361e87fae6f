#include "persist/SaveFile.h"

#include "persist/SaveFileFormat.h"
#include "platform/AtomicFile.h"

namespace Velmoor2 {
namespace {

const char* const KeptOnDisk = "（セーブデータはそのまま残してあります）";

LoadResult Refused(LoadProblem problem, std::string message, std::string detail)
{
    LoadResult result;
    result.problem = problem;
    result.message = std::move(message);
    result.detail = std::move(detail);
    return result;
}

}  // namespace

SaveResult WriteSaveFile(const SavedGame& game)
{
    SaveResult result;
    const std::optional<std::string> bytes = EncodeSaveFile(game);
    if (!bytes) {
        result.message = "名前にセーブできない文字があるため、データをセーブできませんでした。";
        result.detail = "a name has a line break or a character outside code page 932";
        return result;
    }
    const Platform::FileWriteResult written = Platform::WriteFileAtomically(SaveFileName, *bytes);
    if (!written.ok) {
        result.message = "データをセーブできませんでした。ゲームのフォルダに書き込めるか、ディスクに空きがあるか確かめてください。";
        result.detail = written.failure;
        return result;
    }
    result.ok = true;
    return result;
}

LoadResult ReadSaveFile()
{
    const Platform::FileReadResult file = Platform::ReadWholeFile(SaveFileName);
    if (file.status == Platform::FileReadStatus::Missing)
        return Refused(LoadProblem::Missing, "前回の記録が見つかりませんでした。", "no save file");
    if (file.status == Platform::FileReadStatus::Unreadable)
        return Refused(LoadProblem::Unreadable,
                       std::string("セーブデータを読み込めませんでした。") + KeptOnDisk, file.failure);

    ParsedSaveFile parsed = ParseSaveFile(file.bytes);
    if (parsed.defect == SaveFileDefect::Short)
        return Refused(LoadProblem::Short,
                       std::string("セーブデータが途中で切れているため、続きを始められません。") + KeptOnDisk,
                       parsed.detail);
    if (parsed.defect == SaveFileDefect::Damaged)
        return Refused(LoadProblem::Damaged,
                       std::string("セーブデータが壊れているため、続きを始められません。") + KeptOnDisk,
                       parsed.detail);
    LoadResult result;
    result.ok = true;
    result.game = std::move(parsed.game);
    return result;
}

bool SaveFileExists()
{
    return Platform::FileExists(SaveFileName);
}

bool DeleteSaveFile()
{
    return Platform::RemoveFile(SaveFileName);
}

LoadResult ContinueSavedGame()
{
    LoadResult result = ReadSaveFile();
    if (!result.ok) return result;
    if (!DeleteSaveFile())
        return Refused(LoadProblem::NotDeleted,
                       "セーブデータを消せないため、続きを始められません。ゲームのフォルダに書き込めるか確かめてください。",
                       "cannot delete the save file");
    ApplyToGameState(result.game);
    return result;
}

}  // namespace Velmoor2
