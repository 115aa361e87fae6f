#include "core/Report.h"

#include "platform/Log.h"

namespace Velmoor2 {

void LogProblem(const Problem& problem)
{
    const std::string& line = problem.detail.empty() ? problem.message : problem.detail;
    Platform::WriteLogLine("velmoor2: " + line);
}

void ReportProblem(const Problem& problem, int boxStyle, const std::string& boxTitle)
{
    LogProblem(problem);
    if (!problem.message.empty())
        Platform::ShowMessageBox(problem.message, boxStyle, boxTitle);
}

}  // namespace Velmoor2
