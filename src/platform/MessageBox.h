#pragma once
// The game's message boxes, with Japanese buttons. Flags and answers keep the values the
// screens use: 48 OK with exclamation, 51 Yes/No/Cancel with exclamation, 324 Yes/No with
// information and No as default.
#include <functional>
#include <string>

namespace Platform {

constexpr int MbOkExclamation = 48;
constexpr int MbYesNoCancelExclamation = 51;
constexpr int MbYesNoInformationDefaultNo = 324;
constexpr int MbCritical = 16;

constexpr int AnswerOk = 1;
constexpr int AnswerCancel = 2;
constexpr int AnswerYes = 6;
constexpr int AnswerNo = 7;

class Window;

// Waits for the player's answer; lines of the text are joined by CR LF. The box belongs to its
// owner and opens over it; without one named, to the game window the player is at.
int ShowMessageBox(const std::string& text, int flags, const std::string& title, Window* owner = nullptr);

// Whether a box with this text shows all of it at the window scale in force (tests).
bool MessageBoxShowsWholeText(const std::string& text, int flags, const std::string& title);
// Whether a box with these flags shows its sign drawn at the window scale's size (tests).
bool MessageBoxShowsSignAtScale(int flags);

// Tests answer message boxes: the hook gets text, flags and title and returns the answer.
using MessageBoxHook = std::function<int(const std::string& text, int flags, const std::string& title)>;
void SetMessageBoxHook(MessageBoxHook hook);

}  // namespace Platform
