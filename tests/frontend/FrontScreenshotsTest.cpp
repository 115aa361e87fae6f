// Every screen before play, photographed as the player sees it. The pictures go to the folder
// named by VELMOOR_SHOTS (for looking at them under a real display), else to the temp folder.
#include "frontend/Demoform.h"
#include "persist/GameSettings.h"
#include "support/Bitmap.h"
#include "support/CurrentFolder.h"
#include "support/FrontScreens.h"

#include <cstdio>
#include <cstdlib>

using namespace Velmoor2;

namespace {

std::string ShotPath(const std::string& name)
{
    const char* folder = std::getenv("VELMOOR_SHOTS");
    return (folder ? std::string(folder) + "/" : testing::TempDir()) + name + ".bmp";
}

// Saves the window and checks that it is not blank: artwork and text give many colours.
void ExpectPhotographed(const Platform::Window& form, const std::string& name, size_t atLeastColours)
{
    Platform::PumpEvents();
    const std::string path = ShotPath(name);
    ASSERT_TRUE(form.SaveScreenshot(path)) << name;
    const Bitmap shot = Bitmap::Read(path);
    EXPECT_GT(shot.width, 200) << name;
    EXPECT_GE(shot.Colours(), atLeastColours) << name;
    if (!std::getenv("VELMOOR_SHOTS"))
        std::remove(path.c_str());  // kept only for the review page
}

}  // namespace

TEST_F(FrontScreens, EveryScreenBeforePlayIsDrawn)
{
    CurrentFolder inGameDirectory(VEL_GAME_DIR);
    Demoform& logo = TheLogoDemo.Get();
    logo.Form.Show();
    for (int tick = 0; tick < 20; ++tick)
        logo.Timer1_Timer();
    ExpectPhotographed(logo.Form, "1-logo", 6);
    TheLogoDemo.Unload();

    VelTitle& title = TheTitleScreen.Get();
    title.Form.Show();
    ExpectPhotographed(title.Form, "2-title", 64);
    title.Label3.SetForeColour(Platform::Rgb(255, 0, 0));
    title.Label3.SetVisible(true);
    title.Label4.SetVisible(true);
    ExpectPhotographed(title.Form, "3-title-captions", 64);

    title.Label2.SimulateClick();
    VelStart& start = TheStartScreen.Get();
    ExpectPhotographed(start.Form, "4-start", 32);
    start.Label1[0]->SimulateClick();
    start.Picture1.Text1.SetText("高瀬");
    start.Picture1.Text2.SetText("悠");
    ExpectPhotographed(start.Form, "5-name-entry", 32);

    VelAlbum& album = TheClassAlbum.Get();
    album.Form.Show();
    album.Image1[1]->SimulateMouseMove();
    album.Image1[1]->SimulateMouseMove();
    ExpectPhotographed(album.Form, "6-album", 64);
    TheClassAlbum.Unload();

    ASSERT_TRUE(SaveGameSetting(ClearRecordKey, "修1康2和3潤1智2裕3進1道1"));
    VelDatarm& room = TheDataRoom.Get();
    room.Form.Show();
    ExpectPhotographed(room.Form, "7-data-room", 32);
}
