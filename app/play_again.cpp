#include "app/play_again.h"

#include "match/forms.h"

namespace bw::app {

void cmdYes_Click(rt::Windows& windows) {
    windows.Unload(frmBailwood2);
    windows.Unload(frmPlayAgain);
    windows.Load(frmBailwood2);
    windows.Show(frmBailwood2);
}

void cmdNo_Click(rt::Windows& windows) {
    windows.Unload(frmBailwood2);
    windows.Unload(frmPlayAgain);
    windows.Show(frmMain);
}

void frmPlayAgain_Closed(rt::Windows& windows) { windows.Unload(frmPlayAgain); }

}  // namespace bw::app
