#include "innings/mod_inns2.h"

#include <string>

#include "innings/delivery.h"
#include "innings/run_total.h"
#include "match/forms.h"
#include "runtime/conversions.h"

namespace bw::innings {

using namespace bw::rt;
using match::Scoreboard;

namespace {

// The scoreboard behind the result shows the ball that decided it: team 2's total is written
// before the box opens (the click handler's recompute afterwards writes the same text).
void endTheMatch(Scoreboard& sb, Runtime& rt, double team2Total, const std::string& result) {
    sb.cmdInn(1).setVisible(false);
    sb.cmdInn(2).setVisible(false);
    sb.lblTR(2).setCaption(vbaStrR8(team2Total));
    const std::string lf = rtcVarBstrFromAnsi(10);
    rt.boxes.rtcMsgBox(vbaStrCat({"The match is over!", lf, result, lf}), vbInformation,
                       "End of Match!");
    rt.windows.Show(Window::frmPlayAgain);
}

std::string beaten(Scoreboard& sb, int winner, int loser, double margin, const char* unit) {
    return vbaStrCat({sb.lblTeam(winner).caption(), " has beaten ", sb.lblTeam(loser).caption(),
                      " by ", vbaStrR8(margin), unit});
}

}  // namespace

void BowlInns2(Scoreboard& frmBailwood2, Runtime& rt) {
    auto& sb = frmBailwood2;
    BowlDelivery(sb, rt.random, 2);

    // Team 2's total including this delivery: the match ends on the ball that decides it.
    const double team1 = rtcR8ValFromBstr(sb.lblTR(1).caption());
    const double team2 = SumOfRuns(sb, 2);
    const bool allOut = vbaStrCmp(sb.lblWT(2).caption(), "11") == 0;

    if (allOut && team2 < team1) {
        endTheMatch(sb, rt, team2, beaten(sb, 1, 2, vbaFPException(team1 - team2), " runs."));
    } else if (team1 < team2) {
        const double margin = vbaFPException(rtcR8ValFromBstr(sb.lblWT(1).caption()) -
                                             rtcR8ValFromBstr(sb.lblWT(2).caption()));
        endTheMatch(sb, rt, team2, beaten(sb, 2, 1, margin, " wickets."));
    } else if (allOut) {
        endTheMatch(sb, rt, team2, "The Match is a Draw!");
    }
}

}  // namespace bw::innings
