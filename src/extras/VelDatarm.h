#pragma once
// The data room: the heroines cleared so far, in the order of their first clear, each with its
// mark (confession or mutual love); the erase of all records; and, once all eight are cleared,
// a hidden replay of any ending (Shift + Ctrl, or Shift + Ctrl + Alt, and a double-click on a
// portrait).
#include "core/ScreenSlot.h"
#include "platform/CommandButton.h"
#include "platform/Image.h"
#include "platform/Label.h"
#include "platform/Shape.h"
#include "platform/Window.h"

#include <array>
#include <memory>
#include <string>

namespace Velmoor2 {

class VelDatarm {
public:
    static constexpr int ClientWidth = 6195;
    static constexpr int ClientHeight = 5250;
    static constexpr int Rows = 9;
    static constexpr int MarkBase = 10;  // the mark of row i is Image2(10 + i)
    static constexpr int Heroines = 8;

    VelDatarm();

    Platform::Window Form{ClientWidth, ClientHeight, "Velmoor Episode2 Data room"};
    Platform::Image Image1{Form, 0, 0, 480, 480};
    Platform::Label Label1{Form, 480, 120, 2295, 375};
    Platform::Label Label2{Form, 3240, 240, 2655, 255};
    Platform::Shape Line1{Form, Platform::ShapeKind::Line, -120, 600, 6720, 0, 0};
    std::array<std::unique_ptr<Platform::Image>, MarkBase + Rows> Image2;  // 0..8 portraits, 10..18 marks
    std::array<std::unique_ptr<Platform::Label>, Rows> Label3;
    std::array<std::unique_ptr<Platform::Image>, Heroines> Image3;
    Platform::Shape Shape1{Form, Platform::ShapeKind::Rectangle, 3435, 840, 2580, 495, 0};
    std::array<std::unique_ptr<Platform::Image>, 2> Image4;
    std::array<std::unique_ptr<Platform::Label>, 2> Label4;
    Platform::Label Label5{Form, 3360, 1560, 2775, 2055};
    Platform::CommandButton Command2{Form, 3360, 4800, 1095, 375};
    Platform::CommandButton Command1{Form, 4680, 4800, 1455, 375};

    void Form_Load();
    void Command1_Click();
    void Command2_Click();
    void Image2_MouseDown(int shift);
    void Image2_DblClick(int index);
    void HideForUnload();

    int ReplayKeys = 0;
    // Set when a replay was chosen: the room has closed and the start screen plays the ending.
    bool ReplayChosen = false;
    bool AllCleared = false;
};

inline ScreenSlot<VelDatarm> TheDataRoom;

// A heroine's name as the list shows it (1 to 8); its first character is her initial.
std::string ListedName(int heroine);

}  // namespace Velmoor2
