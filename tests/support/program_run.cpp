#include "tests/support/program_run.h"

#include <QAbstractButton>
#include <QtTest>

#include "app/bailwood2.h"

namespace bw::testing {

ProgramRun::ProgramRun() : session(app::Bailwood2Project(), random) {}

QWidget* ProgramRun::openMatch(const QString& team1, const QString& team2) {
    answerer.names(team1, team2);
    QTest::mouseClick(buttonOf(window("frmMain"), "cmdBailwood2"), Qt::LeftButton);
    return visibleWindow("frmBailwood2");
}

}  // namespace bw::testing
