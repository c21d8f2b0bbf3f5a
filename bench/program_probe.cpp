// The real program, from its entry to the start screen's first paint.
#include "app/bailwood2.h"
#include "bench/first_paint.h"
#include "match/forms.h"

int main(int argc, char** argv) {
    bw::bench::stopAtFirstPaintOf(bw::windowName(bw::Window::frmMain).data());
    return bw::app::Bailwood2Main(argc, argv);
}
