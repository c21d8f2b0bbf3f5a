#pragma once

#include "runtime/qt/form.h"

namespace bw::app {

// The start screen: one button that opens a match, a File menu and an Exit entry.
class FrmMain final : public rt::qt::Form {
    Q_OBJECT

  public:
    explicit FrmMain(rt::qt::FormRuntime& forms);

  private:
    void closeButton() override;
};

}  // namespace bw::app
