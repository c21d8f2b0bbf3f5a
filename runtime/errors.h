#pragma once

#include <stdexcept>
#include <string>

namespace bw::rt {

// A run-time error of the forms runtime: nothing in the program traps it, so it ends the
// program with the runtime's error report.
class RuntimeError : public std::runtime_error {
public:
    RuntimeError(int number, const std::string& message);
    int number() const { return number_; }

    static RuntimeError typeMismatch(const std::string& text);
    static RuntimeError overflow();
    static RuntimeError noSuchWindow(const std::string& name);

private:
    int number_;
};

}  // namespace bw::rt
