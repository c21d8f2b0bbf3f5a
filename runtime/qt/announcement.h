#pragma once

#include <QString>
#include <memory>

class QWidget;

namespace bw::rt::qt {

// Has screen readers say given words at once, whatever has the focus, on behalf of a window.
class Announcer {
  public:
    explicit Announcer(QWidget& window);
    ~Announcer();
    Announcer(const Announcer&) = delete;
    Announcer& operator=(const Announcer&) = delete;

    // Said at once, cutting short whatever the reader was saying: words given faster than it
    // speaks are heard as the latest, not as a queue of words already past.
    void announce(const QString& words);

  private:
    QWidget& window_;
    // Before Qt 6.8, which has no announcements, a notice that draws nothing speaks instead.
    std::unique_ptr<QWidget> notice_;
};

}  // namespace bw::rt::qt
