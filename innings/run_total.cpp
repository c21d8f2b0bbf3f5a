#include "innings/run_total.h"

#include <array>

#include "runtime/conversions.h"

namespace bw::innings {

double SumOfRuns(const match::Scoreboard& frmBailwood2, int i) {
    constexpr int kPlayers = match::Scoreboard::kPlayers;
    // The labels are read from player 2 on, then player 1; the sum runs in player order.
    std::array<double, kPlayers> runs{};
    for (int n = 2; n <= kPlayers; ++n) {
        runs[n - 1] = rt::rtcR8ValFromBstr(frmBailwood2.lblPR(n, i).caption());
    }
    runs[0] = rt::rtcR8ValFromBstr(frmBailwood2.lblPR(1, i).caption());
    double total = 0;
    for (double value : runs) total = rt::vbaFPException(total + value);
    return total;
}

}  // namespace bw::innings
