#pragma once

#include <string_view>

// The project's windows, reached by name through the runtime's window services.
namespace bw {

inline constexpr std::string_view frmMain = "frmMain";
inline constexpr std::string_view frmBailwood2 = "frmBailwood2";
inline constexpr std::string_view frmPlayAgain = "frmPlayAgain";

}  // namespace bw
