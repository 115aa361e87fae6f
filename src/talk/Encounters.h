#pragma once
// Who is where: the six classmates' timetable, consulted when the player arrives somewhere
// (she is there) and at the first minute of each five while he waits (she comes by).
namespace Velmoor2 {

void MeetOnArrival();
void MeetWhileWaiting();

}  // namespace Velmoor2
