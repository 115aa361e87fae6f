#include "startup/StartUp.h"

#include "core/Random.h"
#include "frontend/Demoform.h"
#include "frontend/VelTitle.h"
#include "game/VelMain.h"
#include "media/CV_Midi.h"
#include "media/Songs.h"
#include "platform/Application.h"

namespace Velmoor2 {

void StartUp()
{
    LendMainScreen();
    // The maker's logo runs its 24 ticks, then hides itself; nothing shortens it.
    TheLogoDemo.Get().Form.Show();
    while (TheLogoDemo.Get().Form.IsVisible())
        Platform::WaitForEvents();
    TheLogoDemo.Unload();

    SeedRandomFromClock();
    // Started once and not looped: the title falls silent when its song ends.
    CV_Midi::MidiPlay(CV_Midi::TitleSong);
    TheTitleScreen.Get().Form.Show();
}

}  // namespace Velmoor2
