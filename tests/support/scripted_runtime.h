#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "match/forms.h"
#include "runtime/runtime.h"

// Stand-ins for the runtime's services in tests without windows: scripted answers, and a
// record of everything asked.
namespace bw::testing {

// Returns the queued values of x in order; once they run out, keeps returning the last one.
class ScriptedRandom final : public rt::Random {
  public:
    // The x that gives roll r (1..100).
    static float forRoll(int r) { return (static_cast<float>(r) - 0.5f) / 100.0f; }
    void push(float x) { values_.push_back(x); }
    void pushRoll(int r) { push(forRoll(r)); }
    void rtcRandomize() override { ++randomizeCalls; }
    float rtcRandomNext() override {
        ++nextCalls;
        if (!values_.empty()) {
            last_ = values_.front();
            values_.pop_front();
        }
        return last_;
    }

    int randomizeCalls = 0, nextCalls = 0;

  private:
    std::deque<float> values_;
    float last_ = 0.0f;
};

// Records each box as "title|prompt|buttons" (an input box as "title|prompt") and answers the
// input boxes in order; "" (as Cancel) once the answers run out.
class ScriptedBoxes final : public rt::Boxes {
  public:
    std::deque<std::string> answers;
    std::vector<std::string> messages, inputs;
    // Called while a message box is open, to look at the state at that moment.
    std::function<void()> whileOpen;

    void rtcMsgBox(const std::string& prompt, int buttons, const std::string& title) override {
        messages.push_back(title + "|" + prompt + "|" + std::to_string(buttons));
        if (whileOpen) whileOpen();
    }
    std::string rtcInputBox(const std::string& prompt, const std::string& title) override {
        inputs.push_back(title + "|" + prompt);
        if (answers.empty()) return {};
        std::string answer = std::move(answers.front());
        answers.pop_front();
        return answer;
    }
};

// Records window calls in order, e.g. "Show frmPlayAgain".
class RecordingWindows final : public rt::Windows {
  public:
    std::vector<std::string> calls;
    void Load(Window w) override { calls.push_back("Load " + std::string(windowName(w))); }
    void Show(Window w) override { calls.push_back("Show " + std::string(windowName(w))); }
    void Hide(Window w) override { calls.push_back("Hide " + std::string(windowName(w))); }
    void Unload(Window w) override { calls.push_back("Unload " + std::string(windowName(w))); }
    void vbaEnd() override { calls.emplace_back("vbaEnd"); }
};

// The three together, as the match logic receives them.
struct ScriptedRuntime {
    ScriptedRandom random;
    ScriptedBoxes boxes;
    RecordingWindows windows;
    rt::Runtime runtime{random, boxes, windows};
};

}  // namespace bw::testing
