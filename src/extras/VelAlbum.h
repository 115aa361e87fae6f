#pragma once
// The class album: the neighbouring class's page of snapshots. The pointer over a photo shows
// the player's thought about that classmate; a click on one of the six girls picks the girl he
// will look for, at the cost of 2 points of her affection.
#include "core/GameState.h"
#include "core/ScreenSlot.h"
#include "platform/Image.h"
#include "platform/Label.h"
#include "platform/Window.h"

#include <array>
#include <memory>

namespace Velmoor2 {

class VelAlbum {
public:
    static constexpr int ClientWidth = 7815;
    static constexpr int ClientHeight = 6690;
    static constexpr int Portraits = 8;
    static constexpr int NothingShown = -1;
    static constexpr int IntroShown = -2;

    VelAlbum();

    Platform::Window Form{ClientWidth, ClientHeight, "Velmoor Episode2 Album", Platform::Border::None};
    Platform::Image Page{Form, 0, 0, ClientWidth, ClientHeight};  // the album page, under the hit areas
    std::array<std::unique_ptr<Platform::Image>, Portraits> Image1;
    Platform::Label Label1{Form, 120, 6360, 7575, 255};

    void Form_Load();
    void Image1_MouseMove(int index);
    void Image1_Click(int index);
    void HideForUnload();

    int LastPortrait = NothingShown;
};

inline ScreenSlot<VelAlbum> TheClassAlbum;

}  // namespace Velmoor2
