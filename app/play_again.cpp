#include "app/play_again.h"

#include "match/forms.h"

namespace bw::app {

void cmdYes_Click(rt::Windows& windows) {
    windows.Unload(Window::frmBailwood2);
    windows.Unload(Window::frmPlayAgain);
    windows.Load(Window::frmBailwood2);
    windows.Show(Window::frmBailwood2);
}

void cmdNo_Click(rt::Windows& windows) {
    windows.Unload(Window::frmBailwood2);
    windows.Unload(Window::frmPlayAgain);
    windows.Show(Window::frmMain);
}

void frmPlayAgain_Closed(rt::Windows& windows) { windows.Unload(Window::frmPlayAgain); }

}  // namespace bw::app
