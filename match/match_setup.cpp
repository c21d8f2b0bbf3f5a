#include "match/match_setup.h"

#include "runtime/conversions.h"

namespace bw::match {

void Form_Load(Scoreboard& frmBailwood2, rt::Boxes& boxes) {
    auto& sb = frmBailwood2;
    for (int t = 1; t <= 2; ++t) {
        for (int n = 1; n <= Scoreboard::kPlayers; ++n) sb.lblPT(n, t).setVisible(false);
    }
    sb.lblCounter().setVisible(false);
    sb.lblResult().setVisible(false);
    sb.lblWkts().setVisible(false);
    sb.cmdInn(2).setVisible(false);

    // Names are taken exactly as typed: no trimming, no limit, no test that they differ.
    std::string team1 =
        boxes.rtcInputBox("Please Enter the Name of the first team competing?", "Enter Team Name");
    std::string team2 =
        boxes.rtcInputBox("Please Enter the Name of the second team competing?", "Enter Team Name");
    sb.lblTeam(1).setCaption(std::move(team1));
    sb.lblTeam(2).setCaption(std::move(team2));

    sb.cmdInn(1).setCaption(rt::vbaStrCat({"Play ", sb.lblTeam(1).caption(), "'s innings."}));
}

}  // namespace bw::match
