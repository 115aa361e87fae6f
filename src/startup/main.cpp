// Velmoor Episode2: graduation afternoon, 4:30 to 5:00 PM.
#include "platform/Application.h"
#include "startup/StartUp.h"
#include "startup/WindowScale.h"

int main()
{
    Platform::StartApplication();
    Velmoor2::ChooseWindowScale();
    Velmoor2::StartUp();
    return Platform::RunEventLoop();
}
