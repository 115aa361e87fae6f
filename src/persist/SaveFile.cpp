#include "persist/SaveFile.h"

#include "persist/SaveFileFormat.h"
#include "platform/AtomicFile.h"

namespace Velmoor2 {
namespace {

const char* const KeptOnDisk = "（セーブデータはそのまま残してあります）";

Problem Refused(const std::string& message, std::string detail) { return {message + KeptOnDisk, std::move(detail)}; }

}  // namespace

Outcome<> WriteSaveFile(const SavedGame& game)
{
    const std::optional<std::string> bytes = EncodeSaveFile(game);
    if (!bytes)
        return Problem{"名前にセーブできない文字があるため、データをセーブできませんでした。",
                       "the game could not be saved: a name has a line break or a character outside code page 932"};
    const Outcome<> written = Platform::WriteFileAtomically(SaveFileName, *bytes);
    if (!written)
        return Problem{
            "データをセーブできませんでした。ゲームのフォルダに書き込めるか、ディスクに空きがあるか確かめてください。",
            "the game could not be saved: " + written.Failure().detail};
    return {};
}

Outcome<SavedGame> ReadSaveFile()
{
    const Outcome<std::optional<std::string>> file = Platform::ReadWholeFile(SaveFileName);
    if (!file)
        return Refused("セーブデータを読み込めませんでした。", file.Failure().detail);
    if (!file.Get())
        return Problem{"前回の記録が見つかりませんでした。", "no save file"};

    ParsedSaveFile parsed = ParseSaveFile(*file.Get());
    if (parsed.defect == SaveFileDefect::Short)
        return Refused("セーブデータが途中で切れているため、続きを始められません。",
                       "the save is cut short: " + parsed.detail);
    if (parsed.defect == SaveFileDefect::Damaged)
        return Refused("セーブデータが壊れているため、続きを始められません。", "the save is damaged: " + parsed.detail);
    return std::move(parsed.game);
}

bool SaveFileExists() { return Platform::FileExists(SaveFileName); }

Outcome<> DeleteSaveFile() { return Platform::RemoveFile(SaveFileName); }

Outcome<> ContinueSavedGame()
{
    Outcome<SavedGame> saved = ReadSaveFile();
    if (!saved)
        return saved.Failure();
    if (const Outcome<> deleted = DeleteSaveFile(); !deleted)
        return Problem{
            "セーブデータを消せないため、続きを始められません。ゲームのフォルダに書き込めるか確かめてください。",
            deleted.Failure().detail};
    ApplyToGameState(saved.Get());
    return {};
}

}  // namespace Velmoor2
