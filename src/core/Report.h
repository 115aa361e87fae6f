#pragma once
// Where problems go: always to the log (standard error, one line each), and to the player in a
// message box when the problem has words for the player.
#include "core/Outcome.h"
#include "platform/MessageBox.h"

namespace Velmoor2 {

void LogProblem(const Problem& problem);

// Logs the problem, then shows its message, if it has one, in a box of the given style.
void ReportProblem(const Problem& problem, int boxStyle = Platform::MbOkExclamation,
                   const std::string& boxTitle = "Velmoor Episode2");

}  // namespace Velmoor2
