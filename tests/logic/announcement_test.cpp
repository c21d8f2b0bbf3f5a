// The words spoken after each ball, from the scoreboard before and after it.
#include <gtest/gtest.h>

#include "match/ball_announcement.h"

namespace bw::match {
namespace {

struct Ball {
    const char* team;  // as typed at match setup
    int t;
    InningsScore before;
    const char *runs, *wickets;  // the total and wickets labels after the click
    const char* spoken;
};

TEST(BallAnnouncement, SaysWhatHappenedAndWhereTheInningsStands) {
    const Ball balls[] = {
        {"Lions", 1, {0, 0}, "1", "", "1 run to Player 1. Lions 1 for 0"},
        {"Lions", 1, {80, 2}, "84", "2", "4 runs to Player 3. Lions 84 for 2"},
        {"Lions", 1, {80, 2}, "80", "3", "Player 3 out. Player 4 in. Lions 80 for 3"},
        {"Tigers", 2, {0, 0}, "0", "1", "Player 1 out. Player 2 in. Tigers 0 for 1"},
        {"Tigers", 2, {120, 9}, "126", "9", "6 runs to Player 10. Tigers 126 for 9"},
        {"Lions", 1, {123, 10}, "123", "11", "Player 11 out. Lions all out for 123"},
        {"", 2, {5, 0}, "7", "", "2 runs to Player 1. Team 2 7 for 0"},
        {"", 1, {7, 10}, "7", "11", "Player 11 out. Team 1 all out for 7"},
    };
    for (const Ball& ball : balls) {
        Scoreboard sb;
        sb.lblTeam(ball.t).setCaption(ball.team);
        sb.lblTR(ball.t).setCaption(ball.runs);
        sb.lblWT(ball.t).setCaption(ball.wickets);
        EXPECT_EQ(ballAnnouncement(sb, ball.t, ball.before), ball.spoken);
    }
}

}  // namespace
}  // namespace bw::match
