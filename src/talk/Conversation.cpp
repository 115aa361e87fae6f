#include "talk/Conversation.h"

#include "core/GameState.h"
#include "core/Random.h"
#include "core/Report.h"
#include "platform/Application.h"
#include "scene/MainStage.h"
#include "scene/PlaceButtons.h"
#include "talk/ConversationFiles.h"
#include "talk/ReplyDraw.h"
#include "talk/VelSerif.h"

namespace Velmoor2 {
namespace {

// A damaged conversation file ends the run with a report rather than a conversation with holes.
// Nothing has been written, so nothing is lost.
template <typename Value>
Value OrEndTheRun(Outcome<Value> outcome)
{
    if (!outcome) {
        ReportProblem(outcome.Failure(), Platform::MbCritical);
        Platform::EndProgram();
    }
    return std::move(outcome).Get();
}

}  // namespace

void StartTalk(const std::string& id)
{
    TalkKey = id;
    GamePhase = Conversation;
    UpdatePlaceButtons();
    const auto candidates = OrEndTheRun(ReplyCodesOf(id));
    const auto drawn = DrawFivePositions(RandomUnit);
    for (int j = 1; j <= 5; ++j)
        ReplyCodes[j] = candidates[drawn[j - 1] - 1];
    VelSerif& dialog = TheReplyDialog.Get();
    dialog.Form.Show();
    for (int j = 1; j <= 5; ++j)
        dialog.Command1[j - 1]->SetCaption(
            ReplaceNamePlaceholder(OrEndTheRun(ReplyCaption(ReplyCodes[j])), PlayerMyouji));
}

void AnswerTalk(int reply)
{
    // Once the gate has closed no answer can change her heart any more.
    if (GamePhase == ClosingTimePhase)
        return;
    TheReplyDialog.Unload();
    const Integer code = ReplyCodes[reply];
    const Response response = OrEndTheRun(ResponseTo(TalkKey, code));
    TheMainStage().SetText(ReplaceNamePlaceholder(response.text, PlayerMyouji));
    const int girl = TalkKey[1] - '0';
    Love[girl] = static_cast<Integer>(Love[girl] + response.change);
    GamePhase = FreeAtPlace;
    UpdatePlaceButtons();
}

}  // namespace Velmoor2
