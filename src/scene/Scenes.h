#pragma once
// Every line of the game goes on the main screen through ShowScene: speaker, text and, with a
// picture code, the picture and its music. WaitClick holds a script until the player clicks.
#include "platform/Image.h"

#include <string>
#include <string_view>

namespace Velmoor2 {

void ShowScene(std::string_view code, std::string_view text, std::string_view speaker);
void WaitClick();
void NobodyHere();

// "C2" + place digit + "0C": the place with nobody there.
std::string EmptyPlaceCode(int place);

// The scene music for a picture code: its fourth character names the heroine (0 nobody).
std::string SceneMusicFor(std::string_view code);

// The picture file of a code in the current directory: "<code>.VEL", else "<code>.BMP".
std::string PictureFileFor(std::string_view code);

// Shows a picture file in the box; one that cannot be read is logged and leaves the box empty
// rather than showing the last picture.
void ShowPictureFile(Platform::Image& box, const std::string& file);

}  // namespace Velmoor2
