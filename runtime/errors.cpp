#include "runtime/errors.h"

namespace bw::rt {

RuntimeError::RuntimeError(int number, const std::string& message)
    : std::runtime_error(message), number_(number) {}

RuntimeError RuntimeError::typeMismatch(const std::string& text) {
    return RuntimeError(13, "Type mismatch: \"" + text + "\" is not a number.");
}

RuntimeError RuntimeError::overflow() { return RuntimeError(6, "Overflow"); }

RuntimeError RuntimeError::noSuchWindow(const std::string& name) {
    return RuntimeError(424, "Object required: no window named \"" + name + "\".");
}

}  // namespace bw::rt
