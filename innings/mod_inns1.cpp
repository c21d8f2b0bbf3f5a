#include "innings/mod_inns1.h"

#include "innings/delivery.h"
#include "runtime/conversions.h"

namespace bw::innings {

using namespace bw::rt;

void BowlInns1(match::Scoreboard& frmBailwood2, Runtime& rt) {
    auto& sb = frmBailwood2;
    BowlDelivery(sb, rt.random, 1);
    if (vbaStrCmp(sb.lblWT(1).caption(), "11") != 0) return;

    sb.cmdInn(1).setVisible(false);
    sb.cmdInn(2).setVisible(true);
    sb.cmdInn(2).setCaption(vbaStrCat({"Play ", sb.lblTeam(2).caption(), "'s innings."}));

    // The closing delivery credits nothing, so the total of the previous click is final.
    const std::string target = vbaStrR8(vbaFPException(vbaR8Str(sb.lblTR(1).caption()) + 1));
    const std::string title = vbaStrCat({"End of ", sb.lblTeam(1).caption(), "'s Innings"});
    const std::string text = vbaStrCat(
        {"That's the end of ", sb.lblTeam(1).caption(), "'s innings. ", sb.lblTeam(2).caption(),
         " needs ", target, " runs to win. Can ", sb.lblTeam(2).caption(), " beat them?"});
    rt.boxes.rtcMsgBox(text, vbOKOnly, title);
}

}  // namespace bw::innings
