#pragma once

#include <QtGlobal>

namespace bw::rt::qt {

// For Orca 48, the screen reader of the desktops this program meets through Qt 6.8's AT-SPI
// bridge (Debian 13). Orca 48 speaks the description of the focused control whenever it is
// told it changed, and otherwise keeps the copy it read when it last presented the control,
// which Where Am I then reads: a description that changes with play is there either said
// twice or read stale, and so must not change.
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0) && !defined(Q_OS_WIN)
inline constexpr bool kOrca48MayListen = true;
#else
inline constexpr bool kOrca48MayListen = false;
#endif

}  // namespace bw::rt::qt
