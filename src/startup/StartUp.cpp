#include "startup/StartUp.h"

#include "frontend/Demoform.h"
#include "game/GameState.h"
#include "game/Movement.h"
#include "game/Places.h"
#include "game/Random.h"
#include "game/Scenes.h"
#include "game/VelMain.h"
#include "platform/Application.h"

namespace Velmoor2 {

void StartUp()
{
    SeedRandomFromClock();

    // The maker's logo runs its 24 ticks, then hides itself.
    TheLogoDemo.Get().Form.Show();
    while (TheLogoDemo.Get().Form.IsVisible())
        Platform::WaitForEvents();
    TheLogoDemo.Unload();

    // INTERIM START-UP, until the title and start screens exist: after the logo the game begins
    // in the schoolyard at 4:31 PM with a default name. TargetGirl 9 stands for "nobody picked
    // in the album" while letting the quit dialog work. The front-end replaces all of this.
    PlayerMyouji = "高瀬";
    PlayerNamae = "悠";
    TargetGirl = 9;
    for (int girl = 1; girl <= 6; ++girl)
        Love[girl] = static_cast<Integer>(RandomBelow(5));
    GameMinute = 1;
    CurrentPlace = 3;
    VelMain& main = TheMainScreen.Get();
    main.lblClock.SetCaption(ClockText(GameMinute));
    main.Form.Show();
    main.Form.SetCaption(std::string(PlaceHeader(CurrentPlace)) + " -Velmoor Episode2-");
    NobodyHere();
    main.Timer1.SetInterval(VelMain::MinuteMs);
    main.Timer1.SetEnabled(true);
}

}  // namespace Velmoor2
