#include "extras/VelDatarm.h"

#include "core/CenterForm.h"
#include "core/GameState.h"
#include "core/HeroineNames.h"
#include "core/Report.h"
#include "core/Utf8.h"
#include "persist/ClearRecord.h"
#include "persist/GameSettings.h"
#include "platform/Input.h"
#include "platform/MessageBox.h"

namespace Velmoor2 {
namespace {

constexpr Platform::Colour Blue = 0x00FF0000;
constexpr Platform::Colour Magenta = 0x00FF00FF;
constexpr int ConfessionMark = 0;
constexpr int MutualMark = 1;

// A heroine's number from the initial of her listed name; 0 for any other character.
int HeroineByInitial(const std::u32string& name)
{
    for (int heroine = 1; heroine <= VelDatarm::Heroines && !name.empty(); ++heroine) {
        const std::u32string listed = ToCharacters(ListedName(heroine));
        if (!listed.empty() && listed.front() == name.front())
            return heroine;
    }
    return 0;
}

}  // namespace

std::string ListedName(int heroine)
{
    // The list is narrow: family and given name are parted by a half-width space here.
    constexpr std::string_view IdeographicSpace = "\u3000";
    std::string name = HeroineName(heroine);
    if (const size_t space = name.find(IdeographicSpace); space != std::string::npos)
        name.replace(space, IdeographicSpace.size(), " ");
    return name;
}

VelDatarm::VelDatarm()
{
    Image1.SetResourcePicture("room");
    Label1.SetCaption("データルーム");
    Label1.SetForeColour(Blue);
    Label1.SetFont("ＭＳ Ｐゴシック", 15.75);
    Label2.SetCaption("クリアした女の子　一覧表");
    Label2.SetForeColour(Magenta);
    Label2.SetFont("ＭＳ Ｐゴシック", 11.25);

    for (int i = 0; i < Rows; ++i) {
        Image2[i] = std::make_unique<Platform::Image>(Form, 120, 720 + 480 * i, 480, 480);
        Image2[MarkBase + i] = std::make_unique<Platform::Image>(Form, 720, 720 + 480 * i, 480, 480);
        Label3[i] = std::make_unique<Platform::Label>(Form, 1200, 840 + 480 * i, 1935, 375);
        Label3[i]->SetFont("ＭＳ Ｐ明朝", 11.25);
        Image2[i]->OnDoubleClick([this, i] { Image2_DblClick(i); });
    }
    for (auto& picture : Image2)
        if (picture)
            picture->OnMouseDown([this](int, int shift, int, int) { Image2_MouseDown(shift); });
    // The stock portraits lie below the visible area.
    for (int k = 0; k < Heroines; ++k) {
        Image3[k] = std::make_unique<Platform::Image>(Form, 480 * k, ClientHeight + 120, 480, 480);
        Image3[k]->SetResourcePicture("list" + std::to_string(k + 1));
    }
    const std::array<const char*, 2> legends{"=告白", "=両想い"};
    for (int m = 0; m < 2; ++m) {
        Image4[m] = std::make_unique<Platform::Image>(Form, 3480 + 1320 * m, 840, 480, 480);
        Image4[m]->SetResourcePicture("mark" + std::to_string(m + 1));
        Label4[m] = std::make_unique<Platform::Label>(Form, 3960 + 1320 * m, 960, 735, 255);
        Label4[m]->SetCaption(legends[m]);
    }
    Command2.SetCaption("データ消去");
    Command2.OnClick([this] { Command2_Click(); });
    Command1.SetCaption("戻る");
    Command1.OnClick([this] { Command1_Click(); });
    Form.OnCloseRequest([] { TheDataRoom.Unload(); });
}

void VelDatarm::Form_Load()
{
    CenterForm(Form);
    const std::string record = GetGameSetting(ClearRecordKey);
    // Two characters per entry: the heroine's marker, then her outcome digit.
    const std::u32string characters = ToCharacters(record);
    int row = 0;
    for (size_t p = 0; p < characters.size() && row < Rows; p += 2, ++row) {
        const int heroine = HeroineOfMarker(characters[p]);
        if (heroine == 0)
            continue;  // not one of the eight markers: the row stays empty
        Image2[row]->CopyPictureFrom(*Image3[heroine - 1]);
        Label3[row]->SetCaption(ListedName(heroine));
        const int outcome = p + 1 < characters.size() ? DigitValue(characters[p + 1]) : 0;
        if (outcome & OutcomeMutualLove)
            Image2[MarkBase + row]->CopyPictureFrom(*Image4[MutualMark]);
        else if (outcome != 0)
            Image2[MarkBase + row]->CopyPictureFrom(*Image4[ConfessionMark]);
    }
    AllCleared = row >= Heroines;
    Label5.SetCaption("　クリアした順番に、上から並んでいます。" + CrLf
                      + "　「告白」、「両想い」の両方をクリアした場合は、「両想い」マークがつきます。" + CrLf
                      + "　全てのクリアデータを消去したいときは、データ消去ボタンを押してください。");
}

void VelDatarm::HideForUnload() { Form.Hide(); }

void VelDatarm::Command1_Click() { TheDataRoom.Unload(); }

void VelDatarm::Command2_Click()
{
    const int answer =
        Platform::ShowMessageBox("全てのデータをクリアします（一人もクリアしていない状態に戻します）！よろしいですか？",
                                 Platform::MbYesNoInformationDefaultNo, "Data Clear!!!");
    if (answer != Platform::AnswerYes)
        return;
    if (const Outcome<> erased = EraseGameSettings(); !erased)
        ReportProblem(
            {"クリアデータを消去できませんでした。" + CrLf + "記録はそのまま残っています。", erased.Failure().detail},
            Platform::MbOkExclamation, "Data Clear!!!");
}

void VelDatarm::Image2_MouseDown(int shift)
{
    using namespace Platform;
    ReplayKeys = 0;
    if ((shift & ShiftKey) && (shift & CtrlKey))
        ReplayKeys = 1;
    if ((shift & ShiftKey) && (shift & CtrlKey) && (shift & AltKey))
        ReplayKeys = 2;
}

void VelDatarm::Image2_DblClick(int index)
{
    if (!AllCleared || ReplayKeys == 0)
        return;
    const int heroine = HeroineByInitial(ToCharacters(Label3[index]->Caption()));
    for (int girl : Classmates)
        MetFlag[girl] = 1;
    // Love 100 for the chosen girl, or -100 for girl 1 with the others level, tell the ending
    // that this is a replay.
    int girl = 7;
    if (IsClassmate(heroine)) {
        Love[heroine] = 100;
        girl = heroine;
    } else if (heroine == 7 || heroine == 8) {
        for (int other = FirstClassmate + 1; other <= LastClassmate; ++other)
            Love[other] = heroine == 7 ? 1 : 4;
        Love[1] = -100;
        girl = heroine;
    }
    TargetGirl = static_cast<Integer>(ReplayKeys == 2 ? girl : 9);
    PlayerMyouji = GetGameSetting(MyoujiKey);
    PlayerNamae = GetGameSetting(NamaeKey);
    ReplayChosen = true;
    TheDataRoom.Unload();
}

}  // namespace Velmoor2
