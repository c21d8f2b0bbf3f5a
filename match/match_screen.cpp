#include "match/match_screen.h"

#include "innings/mod_inns1.h"
#include "innings/mod_inns2.h"
#include "innings/run_total.h"
#include "match/forms.h"
#include "runtime/conversions.h"

namespace bw::match {

void cmdInn1_Click(Scoreboard& frmBailwood2, rt::Runtime& rt) {
    innings::BowlInns1(frmBailwood2, rt);
    frmBailwood2.lblTR(1).setCaption(rt::vbaStrR8(innings::SumOfRuns(frmBailwood2, 1)));
}

void cmdInn2_Click(Scoreboard& frmBailwood2, rt::Runtime& rt) {
    innings::BowlInns2(frmBailwood2, rt);
    frmBailwood2.lblTR(2).setCaption(rt::vbaStrR8(innings::SumOfRuns(frmBailwood2, 2)));
}

void Form_Closed(rt::Windows& windows) {
    windows.Unload(Window::frmPlayAgain);
    windows.Unload(Window::frmBailwood2);
    windows.Show(Window::frmMain);
}

}  // namespace bw::match
