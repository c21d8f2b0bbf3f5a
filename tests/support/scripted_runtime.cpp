#include "tests/support/scripted_runtime.h"

namespace bw::testing {

float ScriptedRandom::rtcRandomNext() {
    ++nextCalls;
    if (!values_.empty()) {
        last_ = values_.front();
        values_.pop_front();
    }
    return last_;
}

void ScriptedBoxes::rtcMsgBox(const std::string& prompt, int buttons, const std::string& title) {
    messages.push_back({prompt, buttons, title});
    if (whileOpen) whileOpen(messages.back());
}

std::string ScriptedBoxes::rtcInputBox(const std::string& prompt, const std::string& title) {
    inputs.push_back({prompt, title});
    if (answers.empty()) return {};
    std::string answer = std::move(answers.front());
    answers.pop_front();
    return answer;
}

}  // namespace bw::testing
