#pragma once
// One exchange with a heroine: five of her ten replies drawn onto the reply dialog, and her
// response to the one the player picks, which moves her affection.
#include <string>

namespace Velmoor2 {

void StartTalk(const std::string& id);
void AnswerTalk(int reply);

}  // namespace Velmoor2
