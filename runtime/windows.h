#pragma once

namespace bw {

// The project's windows. The project lists them (match/forms.h); the runtime only passes
// them on, so a window the project does not have cannot be named.
enum class Window;

}  // namespace bw

namespace bw::rt {

// The project's windows, each a single instance created on first reference.
class Windows {
  public:
    virtual ~Windows() = default;
    // Builds the window from its designed values and runs its load handler; no-op if loaded.
    virtual void Load(Window window) = 0;
    // Loads if needed, then shows modeless and returns at once.
    virtual void Show(Window window) = 0;
    // No longer shown; keeps all its state.
    virtual void Hide(Window window) = 0;
    // Destroys the window and discards every change; no-op if not loaded.
    virtual void Unload(Window window) = 0;
    // Closes every window and ends the program at once.
    virtual void vbaEnd() = 0;
};

}  // namespace bw::rt
