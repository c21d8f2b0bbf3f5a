#pragma once

#include <string_view>

namespace bw::rt {

// Windows reached by name, each a single instance created on first reference.
// A name the project does not know raises a run-time error.
class Windows {
public:
    virtual ~Windows() = default;
    // Builds the window from its designed values and runs its load handler; no-op if loaded.
    virtual void Load(std::string_view window) = 0;
    // Loads if needed, then shows modeless and returns at once.
    virtual void Show(std::string_view window) = 0;
    // No longer shown; keeps all its state.
    virtual void Hide(std::string_view window) = 0;
    // Destroys the window and discards every change; no-op if not loaded.
    virtual void Unload(std::string_view window) = 0;
    // Closes every window and ends the program at once.
    virtual void vbaEnd() = 0;
};

}  // namespace bw::rt
