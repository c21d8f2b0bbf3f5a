#pragma once

#include "runtime/qt/form.h"

namespace bw::app {

// Asks at the end of a match whether to play another one.
class FrmPlayAgain final : public rt::qt::Form {
    Q_OBJECT

  public:
    explicit FrmPlayAgain(rt::qt::FormRuntime& forms);

  private:
    void closeButton() override;
};

}  // namespace bw::app
