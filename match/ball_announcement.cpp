#include "match/ball_announcement.h"

#include "innings/run_total.h"
#include "match/accessible_text.h"
#include "runtime/conversions.h"

namespace bw::match {

namespace {

std::string number(double value) { return rt::vbaStrR8(value); }

std::string player(double wicketsDown) { return "Player " + number(wicketsDown + 1); }

}  // namespace

InningsScore inningsScore(const Scoreboard& sb, int t) {
    return {innings::SumOfRuns(sb, t), rt::rtcR8ValFromBstr(sb.lblWT(t).caption())};
}

std::string ballAnnouncement(const Scoreboard& sb, int t, InningsScore before) {
    const InningsScore after = inningsScore(sb, t);
    const std::string team = spokenTeamName(sb, t);
    const std::string total = number(after.runs);
    if (after.wickets > before.wickets) {
        const std::string out = player(before.wickets) + " out. ";
        if (after.wickets >= Scoreboard::kPlayers) return out + team + " all out for " + total;
        return out + player(after.wickets) + " in. " + team + " " + total + " for " +
               number(after.wickets);
    }
    const double runs = after.runs - before.runs;
    return number(runs) + (runs == 1 ? " run" : " runs") + " to " + player(after.wickets) + ". " +
           team + " " + total + " for " + number(after.wickets);
}

}  // namespace bw::match
