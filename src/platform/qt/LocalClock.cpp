#include "platform/LocalClock.h"

#include <ctime>

namespace Platform {

int LocalHour()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local.tm_hour;
}

}  // namespace Platform
