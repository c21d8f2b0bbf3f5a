#pragma once

#include <stdexcept>
#include <string>

namespace bw::rt {

// The numbers of the run-time errors the program can raise, as the error report shows them.
enum ErrorNumber : int {
    kInvalidProcedureCall = 5,
    kOverflow = 6,
    kSubscriptOutOfRange = 9,
    kTypeMismatch = 13,
};

// A run-time error of the forms runtime: nothing in the program traps it, so it ends the
// program with the runtime's error report.
class RuntimeError : public std::runtime_error {
  public:
    RuntimeError(ErrorNumber number, const std::string& message);
    int number() const { return number_; }

    static RuntimeError typeMismatch(const std::string& text);
    static RuntimeError overflow();
    // A control array asked for an element it does not have, e.g. player 12 of a team.
    static RuntimeError subscriptOutOfRange(const std::string& what, int index);

  private:
    ErrorNumber number_;
};

}  // namespace bw::rt
