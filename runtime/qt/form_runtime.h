#pragma once

#include <QString>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "runtime/runtime.h"

namespace bw::rt::qt {

class Form;
class FormRuntime;

struct WindowClass {
    Window window;
    QString objectName;  // of every instance, so tools find the window by it
    std::function<std::unique_ptr<Form>(FormRuntime&)> create;
};

// What the program hands to the runtime: its windows, the first shown at start-up.
struct ProjectDescription {
    std::string name;
    QString title;      // names the program in the runtime's own error box
    QString iconPath;   // resource folder of the application icon's bitmaps
    QString desktopId;  // names the installed desktop entry, so desktops match windows to it
    std::vector<WindowClass> windows;
};

inline constexpr int kRuntimeErrorStatus = 1;

// The windows of one run of the program: a single instance of each, created on first
// reference, destroyed by Unload.
class FormRuntime final : public Windows {
  public:
    FormRuntime(const ProjectDescription& project, Random& random, Boxes& boxes);
    ~FormRuntime() override;

    Runtime& runtime() { return runtime_; }

    void Load(Window window) override;
    void Show(Window window) override;
    void Hide(Window window) override;
    void Unload(Window window) override;
    void vbaEnd() override;

    // Runs an event handler. A run-time error is reported in the runtime's error box and
    // ends the program with a non-zero status: never a crash, never a silent continuation.
    // One handler at a time: an event that arrives while a handler waits on its box (a
    // queued click, an assistive tool's press) is dropped, as the window system drops the
    // clicks on a window behind a modal box.
    void handle(const std::function<void()>& handler);

    // The loaded instance of a window, or nullptr.
    Form* instance(Window window);
    bool ended() const { return ended_; }
    int exitStatus() const { return exitStatus_; }
    // Called once when the program ends, with its exit status.
    void onEnd(std::function<void(int)> end) { end_ = std::move(end); }

  private:
    struct Entry {
        const WindowClass* windowClass;
        Form* instance = nullptr;
    };
    Entry& entry(Window window);
    void end(int status);

    const ProjectDescription& project_;
    Runtime runtime_;
    std::map<Window, Entry> windows_;
    bool ended_ = false;
    bool handling_ = false;
    int exitStatus_ = 0;
    std::function<void(int)> end_;
};

}  // namespace bw::rt::qt
