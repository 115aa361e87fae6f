#pragma once
// Inside the Windows platform only: the game's own pictures, compiled into the program as
// RCDATA resources by the build (generated ArtResources.rc and ArtResourceIds.cpp).
#include <string_view>

namespace Platform {

// The resource id of the picture file of that name ("icon.png", "icon@2x.png"); 0 when none.
int ArtResourceId(std::string_view fileName);

}  // namespace Platform
