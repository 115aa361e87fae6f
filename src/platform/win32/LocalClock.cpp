#include "platform/LocalClock.h"

#include <windows.h>

namespace Platform {

int LocalHour()
{
    SYSTEMTIME now;
    GetLocalTime(&now);
    return now.wHour;
}

}  // namespace Platform
