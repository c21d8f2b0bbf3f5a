#include "app/start_screen.h"

#include "match/forms.h"

namespace bw::app {

void cmdBailwood2_Click(rt::Windows& windows) {
    windows.Show(Window::frmBailwood2);
    windows.Hide(Window::frmMain);
}

void mnuPBailwood2_Click(rt::Windows& windows) { cmdBailwood2_Click(windows); }

void mnuPExit_Click(rt::Windows& windows) { windows.vbaEnd(); }

void mnuExit_Click(rt::Windows& windows) { windows.vbaEnd(); }

void frmMain_Closed(rt::Windows& windows) { windows.vbaEnd(); }

}  // namespace bw::app
