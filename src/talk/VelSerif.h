#pragma once
// The reply dialog: five replies under the prompt, just below the main screen. It does not block
// the main screen; the clock keeps running while the player thinks.
#include "core/ScreenSlot.h"
#include "platform/CommandButton.h"
#include "platform/Label.h"
#include "platform/Window.h"

#include <array>
#include <memory>

namespace Velmoor2 {

class VelSerif {
public:
    static constexpr int ClientWidth = 7515;
    static constexpr int ClientHeight = 2070;
    static constexpr int ReplyCount = 5;

    VelSerif();

    Platform::Window Form{ClientWidth, ClientHeight, "Velmoor Episode2 Serif", Platform::Border::None};
    Platform::Label Label1{Form, 0, 0, 2655, 255};
    std::array<std::unique_ptr<Platform::CommandButton>, ReplyCount> Command1;

    void Form_Load();
    void Command1_Click(int index);
    void HideForUnload();
};

inline ScreenSlot<VelSerif> TheReplyDialog;

}  // namespace Velmoor2
