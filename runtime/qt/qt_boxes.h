#pragma once

#include "runtime/boxes.h"

namespace bw::rt::qt {

// The real modal boxes. Every text is shown as plain text, exactly as given.
class QtBoxes final : public Boxes {
  public:
    void rtcMsgBox(const std::string& prompt, int buttons, const std::string& title) override;
    void messageAfter(const std::string& heardFirst, const std::string& prompt, int buttons,
                      const std::string& title) override;
    std::string rtcInputBox(const std::string& prompt, const std::string& title) override;
};

}  // namespace bw::rt::qt
