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
    // A message box that a screen reader hears after `heardFirst`, the event that opened it:
    // it shows only its prompt. Without a screen reader to serve, the plain box.
    virtual void messageAfter(const std::string& heardFirst, const std::string& prompt, int buttons,
                              const std::string& title) {
        (void)heardFirst;
        rtcMsgBox(prompt, buttons, title);
    }
};

}  // namespace bw::rt
