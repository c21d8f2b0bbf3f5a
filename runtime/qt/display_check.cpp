#include "runtime/qt/display_check.h"

#include <QtGlobal>
#include <cstring>

namespace bw::rt::qt {

bool displayFound([[maybe_unused]] int argc, [[maybe_unused]] char** argv) {
#ifdef Q_OS_WIN
    // Every Windows session has its desktop.
    return true;
#else
    for (const char* variable :
         {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY", "WAYLAND_SOCKET"}) {
        if (!qEnvironmentVariableIsEmpty(variable)) return true;
    }
    // Qt reads its options with one dash or two.
    for (int i = 1; i + 1 < argc; ++i) {
        const char* option = argv[i][0] == '-' && argv[i][1] == '-' ? argv[i] + 1 : argv[i];
        if (std::strcmp(option, "-platform") == 0 || std::strcmp(option, "-display") == 0) {
            return true;
        }
    }
    return false;
#endif
}

}  // namespace bw::rt::qt
