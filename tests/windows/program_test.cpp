// The program from its real entry, which the start screen's close button ends with status 0;
// and a long session of matches, in which memory stays flat.
#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QWindow>
#include <QtTest>
#include <algorithm>

#include "app/bailwood2.h"
#include "tests/support/program_run.h"

namespace bw::testing {
namespace {

class ProgramTest : public QObject {
    Q_OBJECT

  private slots:
    void theStartScreensCloseButtonEndsWithStatusZero();
    void aLongSessionStaysRightAndFlat();
};

// The start screen's close button, once the program's icon has come with the painted start
// screen: no box, and status 0. (Whole matches of the real program: the accessibility tests.)
void ProgramTest::theStartScreensCloseButtonEndsWithStatusZero() {
    BoxAnswerer answerer;
    QList<QSize> iconSizes;
    QTimer closer;
    connect(&closer, &QTimer::timeout, [&] {
        QWidget* start = visibleWindow("frmMain");
        if (!start || QApplication::windowIcon().isNull()) return;
        iconSizes = start->windowIcon().availableSizes();
        closer.stop();
        start->windowHandle()->close();
    });
    closer.start(2);
    QTimer stuck;  // a program that does not end returns 99
    stuck.setSingleShot(true);
    connect(&stuck, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    stuck.start(60000);
    char name[] = "bailwood2";
    char* argv[] = {name, nullptr};
    QCOMPARE(app::Bailwood2Main(1, argv, std::make_unique<ScriptedRandom>()), 0);
    QVERIFY(answerer.shown().empty());
    QVERIFY(visibleProgramWindows().isEmpty());
    QCOMPARE(iconSizes, QList<QSize>({{16, 16}, {32, 32}, {48, 48}, {256, 256}}));
    // Desktops match the windows to the installed entry, its name and its icon, by this id.
    QCOMPARE(QGuiApplication::desktopFileName(), QString("org.bailwood.Bailwood2"));
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

// A long evening of matches, each begun with Yes and two new names, in which resident memory
// stays flat once the first fifty are played: every match screen brings palettes of its own,
// and the button faces drawn for closed ones must not pile up. 150 matches tell;
// BAILWOOD_WINDOW_MATCHES=500 plays a longer one. Under AddressSanitizer memory grows with its
// quarantine and says nothing; its leak report at exit counts there instead.
void ProgramTest::aLongSessionStaysRightAndFlat() {
    constexpr int kMeasuredFirst = 50;
    const int matches =
        std::max(kMeasuredFirst + 100, qEnvironmentVariableIntValue("BAILWOOD_WINDOW_MATCHES"));
    ProgramRun run;
    qint64 atFirstMeasure = -1;
    QVERIFY(run.openMatch("Home 1", "Away 1"));
    for (int m = 1;; ++m) {
        QCOMPARE(run.caption("lblTeam1"), QString("Home %1").arg(m));
        run.playInnings({1 + (m * 7) % 89});
        run.playInnings({1 + (m * 13) % 89});
        QCOMPARE(run.answerer.count(BoxKind::Message), 2);
        run.answerer.forget();
        if (m == kMeasuredFirst) atFirstMeasure = residentKiB();
        if (m == matches) break;
        run.answerer.names(QString("Home %1").arg(m + 1), QString("Away %1").arg(m + 1));
        QTest::mouseClick(run.button(Window::frmPlayAgain, "cmdYes"), Qt::LeftButton);
        // The windows of the match just played are destroyed, not merely hidden.
        QTRY_COMPARE(topLevelCount("frmBailwood2"), 1);
        QTRY_COMPARE(topLevelCount("frmPlayAgain"), 0);
    }
    const qint64 growth = residentKiB() - atFirstMeasure;
    qInfo("%d matches; VmRSS grew by %lld KiB after match %d", matches, growth, kMeasuredFirst);
#if !defined(__SANITIZE_ADDRESS__)
    QVERIFY2(growth <= 2 * 1024, "resident memory grew by > 2 MiB");
#endif
}

}  // namespace
}  // namespace bw::testing

QTEST_MAIN(bw::testing::ProgramTest)
#include "program_test.moc"
