#include "innings/delivery.h"

#include <array>
#include <limits>
#include <string>

#include "runtime/conversions.h"

namespace bw::innings {

using namespace bw::rt;
using match::Control;
using match::Scoreboard;

namespace {

constexpr int kPlayers = Scoreboard::kPlayers;

// The outcome bands of a roll of 1 to 100: codes "1" to "6" score that many runs. The
// first band has no lower bound.
struct Band {
    double low, high;
    std::int16_t code;
};
constexpr Band kScoringBands[] = {
    {-std::numeric_limits<double>::infinity(), 35, 1},
    {36, 60, 2},
    {61, 69, 3},
    {70, 75, 4},
    {76, 81, 5},
    {82, 89, 6},
};
constexpr double kWicketLow = 90;
constexpr double kWicketHigh = 100;

double roll(Scoreboard& sb) { return vbaR8Str(sb.lblCounter().caption()); }

void writeCaption(Scoreboard& sb, int t) {
    sb.setWindowCaption(
        vbaStrCat({"Bailwood - Now playing ", sb.lblTeam(t).caption(), "'s innings."}));
}

void rollTheBall(Scoreboard& sb, Random& random) {
    random.rtcRandomize();
    const float r = vbaFPInt(random.rtcRandomNext() * 100.0f + 1.0f);
    sb.lblCounter().setCaption(vbaStrR4(r));
}

void openTheInnings(Scoreboard& sb, int t) {
    sb.lblPT(1, t).setVisible(true);
    sb.lblPR(1, t).setVisible(true);
    sb.lblPT(1, t).setFontBold(true);
    sb.lblPR(1, t).setFontBold(true);
    if (vbaStrCmp(sb.lblPR(1, t).caption(), "") == 0) sb.lblPR(1, t).setCaption("0");
}

// Seven separate tests, each reading the roll back anew.
void outcomeLadder(Scoreboard& sb, int t) {
    for (const Band& band : kScoringBands) {
        if (roll(sb) >= band.low && roll(sb) <= band.high) {
            sb.lblResult().setCaption(vbaStrI2(band.code));
        }
    }
    if (roll(sb) >= kWicketLow && roll(sb) <= kWicketHigh) {
        sb.lblWkts().setCaption(vbaStrI2(1));
        Control& wickets = sb.lblWT(t);
        wickets.setCaption(vbaStrR8(vbaFPException(rtcR8ValFromBstr(wickets.caption()) +
                                                   rtcR8ValFromBstr(sb.lblWkts().caption()))));
    }
}

// The wicket counts 1 to 11 as the scoreboard writes them, made once.
const std::array<std::string, kPlayers + 1>& wicketTexts() {
    static const auto texts = [] {
        std::array<std::string, kPlayers + 1> t;
        for (int k = 1; k <= kPlayers; ++k) t[k] = vbaStrI2(static_cast<std::int16_t>(k));
        return t;
    }();
    return texts;
}

// The k-th wicket sends in player k + 1; the eleventh leaves no one in.
void bringInTheBatsman(Scoreboard& sb, int t) {
    const auto& wickets = wicketTexts();
    for (int k = 1; k <= kPlayers; ++k) {
        if (vbaStrCmp(sb.lblWT(t).caption(), wickets[k]) != 0) continue;
        for (int n = 1; n <= k; ++n) {
            sb.lblPT(n, t).setFontBold(false);
            sb.lblPR(n, t).setFontBold(false);
        }
        if (k < kPlayers) {
            sb.lblPT(k + 1, t).setVisible(true);
            sb.lblPT(k + 1, t).setFontBold(true);
            sb.lblPR(k + 1, t).setFontBold(true);
        }
    }
}

// A wicket delivery scores nothing: the incoming batsman never receives an earlier code.
void creditTheRuns(Scoreboard& sb, int t) {
    if (roll(sb) >= kWicketLow) return;
    for (int n = 1; n <= kPlayers; ++n) {
        Control& runs = sb.lblPR(n, t);
        if (runs.fontBold()) {
            runs.setCaption(vbaStrR8(vbaFPException(rtcR8ValFromBstr(runs.caption()) +
                                                    rtcR8ValFromBstr(sb.lblResult().caption()))));
        }
    }
}

}  // namespace

void BowlDelivery(Scoreboard& frmBailwood2, Random& random, int t) {
    writeCaption(frmBailwood2, t);
    rollTheBall(frmBailwood2, random);
    openTheInnings(frmBailwood2, t);
    outcomeLadder(frmBailwood2, t);
    bringInTheBatsman(frmBailwood2, t);
    creditTheRuns(frmBailwood2, t);
}

}  // namespace bw::innings
