#pragma once

#include <QString>

class QWidget;

namespace bw::rt::qt {

// Has screen readers say words at once, whatever has the focus, on behalf of a window.
class Announcer {
  public:
    // Before Qt 6.8, which has no announcements, a notice speaks instead: a child of the window
    // that draws nothing, named "latestBall", whose accessible name the window's interface gives
    // as the latest words. It shows from the first announcement on.
    explicit Announcer(QWidget& window);

    void announce(const QString& words);

  private:
    QWidget& window_;
    QWidget* notice_ = nullptr;
};

// Tells screen readers that the widget's accessible description changed, for them to read on
// demand, without speaking it: an announcement says the same words.
void tellDescriptionChanged(QWidget& widget);

}  // namespace bw::rt::qt
