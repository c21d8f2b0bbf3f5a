#include "match/ball_announcement.h"

#include "innings/run_total.h"
#include "match/accessible_text.h"
#include "runtime/conversions.h"

namespace bw::match {

namespace {

std::string number(double value) { return rt::vbaStrR8(value); }

std::string player(double wicketsDown) { return "Player " + number(wicketsDown + 1); }

std::string runs(double count) { return number(count) + (count == 1 ? " run" : " runs"); }

// The team whose innings button is in play; 0 once the match is over.
int battingTeam(const Scoreboard& sb) {
    for (int t = 1; t <= 2; ++t) {
        if (sb.cmdInn(t).visible()) return t;
    }
    return 0;
}

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
    return runs(after.runs - before.runs) + " to " + player(after.wickets) + ". " + team + " " +
           total + " for " + number(after.wickets);
}

std::string matchStanding(const Scoreboard& sb, const std::optional<Ball>& latest) {
    std::string said = latest ? ballAnnouncement(sb, latest->t, latest->before) + ". " : "";
    const int t = battingTeam(sb);
    if (t == 0) return said + "The match is over";
    const InningsScore now = inningsScore(sb, t);
    if (!latest || latest->t != t)
        said +=
            spokenTeamName(sb, t) + " " + number(now.runs) + " for " + number(now.wickets) + ". ";
    const std::string& batsmansRuns = sb.lblPR(static_cast<int>(now.wickets) + 1, t).caption();
    said += player(now.wickets) + " batting, " +
            (batsmansRuns.empty() ? "no runs yet" : runs(rt::rtcR8ValFromBstr(batsmansRuns)));
    if (t == 2)
        said += ". " + spokenTeamName(sb, 2) + " needs " +
                runs(innings::SumOfRuns(sb, 1) + 1 - now.runs) + " to win";
    return said;
}

}  // namespace bw::match
