// A long evening at the program: match after match in the real windows, each begun with the
// play-again dialog's Yes and two new names. Every match shows its own names and its own
// result, the windows of the last match are gone, and memory stays flat.
//
// BAILWOOD_WINDOW_MATCHES=500 makes it the long session, which also bounds the growth of
// resident memory; the default keeps CTest quick.
#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QtTest>
#include <cstdlib>

#include "tests/support/program_run.h"

static void registerIcons() { Q_INIT_RESOURCE(icons); }

namespace bw::testing {
namespace {

constexpr int kWicket = 95;
constexpr int kMatchMeasuredFirst = 50;
constexpr int kMatchesForTheMemoryBound = 500;
constexpr qint64 kMostGrowthKiB = 2 * 1024;
// AddressSanitizer holds freed blocks back in its quarantine (256 MiB), so there resident
// memory grows with every allocation and says nothing; it reports leaks at exit instead.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kResidentMemoryTellsGrowth = false;
#else
constexpr bool kResidentMemoryTellsGrowth = true;
#endif

int matchesToPlay() {
    const char* count = std::getenv("BAILWOOD_WINDOW_MATCHES");
    return count ? std::atoi(count) : 60;
}

// Resident memory of this process in KiB, as the kernel counts it.
qint64 residentKiB() {
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').front().toLongLong();
    }
    return -1;
}

int runsOf(int roll) {
    if (roll <= 35) return 1;
    if (roll <= 60) return 2;
    if (roll <= 69) return 3;
    if (roll <= 75) return 4;
    if (roll <= 81) return 5;
    return 6;
}

class LongSessionTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { registerIcons(); }
    void matchAfterMatchStaysRightAndFlat();

  private:
    // One scoring ball, then wickets until the innings button hides; the rolls drawn.
    int playInnings(QWidget* match, const char* button, int firstRoll);

    ProgramRun run_;
};

int LongSessionTest::playInnings(QWidget* match, const char* button, int firstRoll) {
    int balls = 0;
    for (QAbstractButton* b = buttonOf(match, button); b->isVisible() && balls < 20; ++balls) {
        run_.random.pushRoll(balls == 0 ? firstRoll : kWicket);
        QTest::mouseClick(b, Qt::LeftButton);
    }
    return balls;
}

void LongSessionTest::matchAfterMatchStaysRightAndFlat() {
    const int matches = matchesToPlay();
    QElapsedTimer clock;
    clock.start();
    qint64 atFirstMeasure = -1;

    run_.answerer.names("Home 1", "Away 1");
    QTest::mouseClick(buttonOf(run_.window("frmMain"), "cmdBailwood2"), Qt::LeftButton);
    for (int m = 1; m <= matches; ++m) {
        const QString home = QString("Home %1").arg(m);
        const QString away = QString("Away %1").arg(m);
        QWidget* match = visibleWindow("frmBailwood2");
        QVERIFY(match);
        QCOMPARE(match->findChild<QLabel*>("lblTeam1")->text(), home);
        QVERIFY(match->findChild<QLabel*>("lblTR1")->text().isEmpty());

        // Scores of 1 to 6 for each side, so that every kind of result comes round.
        const int homeRoll = 1 + (m * 7) % 89;
        const int awayRoll = 1 + (m * 13) % 89;
        const int homeRuns = runsOf(homeRoll);
        const int awayRuns = runsOf(awayRoll);
        const int draws = run_.random.nextCalls;
        int balls = playInnings(match, "cmdInn1", homeRoll);
        balls += playInnings(match, "cmdInn2", awayRoll);
        QCOMPARE(run_.random.nextCalls - draws, balls);
        QCOMPARE(balls, awayRuns > homeRuns ? 13 : 24);

        const QString result =
            awayRuns > homeRuns ? away + " has beaten " + home + " by 11 wickets."
            : awayRuns < homeRuns
                ? home + " has beaten " + away + QString(" by %1 runs.").arg(homeRuns - awayRuns)
                : QString("The Match is a Draw!");
        QCOMPARE(run_.answerer.shown().back().text, "The match is over!\n" + result + "\n");
        QCOMPARE(match->findChild<QLabel*>("lblTR1")->text(), QString::number(homeRuns));
        QCOMPARE(match->findChild<QLabel*>("lblTR2")->text(), QString::number(awayRuns));
        // The two names typed, then the two message boxes, answered by Enter.
        QCOMPARE(run_.answerer.count(BoxKind::Input), 2);
        QCOMPARE(run_.answerer.count(BoxKind::Message), 2);
        QCOMPARE(run_.answerer.unscripted(), 2);
        run_.answerer.forget();

        QWidget* again = visibleWindow("frmPlayAgain");
        QVERIFY(again);
        QCOMPARE(visibleCount("frmPlayAgain"), 1);
        if (m == kMatchMeasuredFirst) atFirstMeasure = residentKiB();
        if (m == matches) break;
        run_.answerer.names(QString("Home %1").arg(m + 1), QString("Away %1").arg(m + 1));
        QTest::mouseClick(buttonOf(again, "cmdYes"), Qt::LeftButton);
        QCOMPARE(run_.answerer.remaining(), std::size_t{0});
        // The windows of the match just played are destroyed, not merely hidden.
        QTRY_COMPARE(topLevelCount("frmBailwood2"), 1);
        QTRY_COMPARE(topLevelCount("frmPlayAgain"), 0);
    }
    const qint64 atEnd = residentKiB();
    QTest::mouseClick(buttonOf(visibleWindow("frmPlayAgain"), "cmdNo"), Qt::LeftButton);
    QCOMPARE(visibleProgramWindows(), QStringList{"frmMain"});

    const qint64 growth = atEnd - atFirstMeasure;
    qInfo(
        "%d matches in %.1f s; VmRSS after match %d: %lld KiB, after match %d: %lld KiB; "
        "growth %lld KiB",
        matches, static_cast<double>(clock.elapsed()) / 1000.0, kMatchMeasuredFirst, atFirstMeasure,
        matches, atEnd, growth);
    if (matches >= kMatchesForTheMemoryBound && kResidentMemoryTellsGrowth) {
        QVERIFY(atFirstMeasure > 0);
        QVERIFY2(growth <= kMostGrowthKiB, qPrintable(QString("grew by %1 KiB").arg(growth)));
    }
}

}  // namespace
}  // namespace bw::testing

QTEST_MAIN(bw::testing::LongSessionTest)
#include "long_session_test.moc"
