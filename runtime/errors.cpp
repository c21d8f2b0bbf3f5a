#include "runtime/errors.h"

namespace bw::rt {

RuntimeError::RuntimeError(ErrorNumber number, const std::string& message)
    : std::runtime_error(message), number_(number) {}

RuntimeError RuntimeError::typeMismatch(const std::string& text) {
    return RuntimeError(kTypeMismatch, "Type mismatch: \"" + text + "\" is not a number.");
}

RuntimeError RuntimeError::overflow() { return RuntimeError(kOverflow, "Overflow"); }

RuntimeError RuntimeError::subscriptOutOfRange(const std::string& what, int index) {
    return RuntimeError(kSubscriptOutOfRange,
                        "Subscript out of range: no " + what + " " + std::to_string(index) + ".");
}

}  // namespace bw::rt
