#pragma once

#include <string>

namespace bw::rt {

// Button and icon flags of a message box.
inline constexpr int vbOKOnly = 0;
inline constexpr int vbCritical = 16;
inline constexpr int vbInformation = 64;

// Modal message and input boxes. The program shows real dialogs; tests script the answers.
class Boxes {
  public:
    virtual ~Boxes() = default;
    // Modal; returns when dismissed.
    virtual void rtcMsgBox(const std::string& prompt, int buttons, const std::string& title) = 0;
    // Modal; the typed text, "" on Cancel.
    virtual std::string rtcInputBox(const std::string& prompt, const std::string& title) = 0;
    // Words a screen reader is to hear ahead of the next message box's prompt: the ball that
    // opened it. The box still shows only its prompt.
    virtual void leadNextMessageWith(const std::string& words) { (void)words; }
};

}  // namespace bw::rt
