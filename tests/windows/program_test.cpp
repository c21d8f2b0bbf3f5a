// The program from its real entry, on the offscreen platform: two matches in one session,
// driven by a timer as a person would play them, then Exit.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QWindow>
#include <QtTest>
#include <memory>

#include "app/bailwood2.h"
#include "runtime/random.h"
#include "tests/support/box_answerer.h"
#include "tests/support/scripted_runtime.h"

namespace bw::testing {
namespace {

constexpr int kWatchdogMs = 60000;

// Plays the program through its windows, one step per tick; the boxes are answered by a
// BoxAnswerer, whose timer keeps running inside their event loops.
class Driver {
  public:
    explicit Driver(int matches) : matches_(matches) {
        QObject::connect(&timer_, &QTimer::timeout, [this] { step(); });
        timer_.start(2);
    }

    int dialogsAnswered = 0;
    int startClicks = 0;
    int exits = 0;
    QStringList finalTotals;  // "team 1 total - team 2 total" of each finished match
    QPoint hiddenAt;
    QPoint shownAgainAt;

  private:
    void step() {
        if (QApplication::activeModalWidget()) return;
        if (QWidget* dialog = visibleWindow("frmPlayAgain")) {
            QWidget* match = visibleWindow("frmBailwood2");
            finalTotals << match->findChild<QLabel*>("lblTR1")->text() + " - " +
                               match->findChild<QLabel*>("lblTR2")->text();
            ++dialogsAnswered;
            const bool again = dialogsAnswered < matches_;
            QTest::mouseClick(buttonOf(dialog, again ? "cmdYes" : "cmdNo"), Qt::LeftButton);
            return;
        }
        if (QWidget* match = visibleWindow("frmBailwood2")) {
            for (const char* name : {"cmdInn1", "cmdInn2"}) {
                QAbstractButton* innings = buttonOf(match, name);
                if (innings->isVisible()) {
                    QTest::mouseClick(innings, Qt::LeftButton);
                    return;
                }
            }
            return;
        }
        if (QWidget* start = visibleWindow("frmMain")) {
            if (startClicks == 0) {
                ++startClicks;
                hiddenAt = start->pos();
                QTest::mouseClick(buttonOf(start, "cmdBailwood2"), Qt::LeftButton);
            } else if (dialogsAnswered == matches_ && exits == 0) {
                ++exits;
                shownAgainAt = start->pos();
                start->findChild<QAction*>("mnuExit")->trigger();
            }
        }
    }

    QTimer timer_;
    int matches_;
};

// Fails the test and unwinds every event loop if the program stops making progress.
class Watchdog {
  public:
    Watchdog() {
        timer_.setSingleShot(true);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            fired = true;
            // A box still open would start a new loop once its own is quit: keep unwinding.
            QObject::connect(&unwind_, &QTimer::timeout, [] {
                if (auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                    box->reject();
                }
                QCoreApplication::exit(99);
            });
            unwind_.start(5);
            QFAIL("the program made no progress within the time allowed");
        });
        timer_.start(kWatchdogMs);
    }
    bool fired = false;

  private:
    QTimer timer_;
    QTimer unwind_;
};

int runProgram(std::unique_ptr<rt::Random> random) {
    char name[] = "bailwood2";
    char* argv[] = {name, nullptr};
    return app::Bailwood2Main(1, argv, std::move(random));
}

class ProgramTest : public QObject {
    Q_OBJECT

  private slots:
    void twoMatchesThenExitEndWithStatusZero();
    void aSeededSessionPlaysToItsEnd();
    void closingTheStartScreenEndsWithStatusZero();
};

void ProgramTest::twoMatchesThenExitEndWithStatusZero() {
    auto random = std::make_unique<ScriptedRandom>();
    // First match: Lions 1 run, then all out; Tigers pass it on their first ball.
    random->pushRoll(10);
    for (int i = 0; i < 11; ++i) random->pushRoll(95);
    random->pushRoll(50);
    // Second match: every ball a wicket, so it is drawn at 0 each.
    random->pushRoll(95);

    BoxAnswerer answerer;
    answerer.names("Lions", "Tigers");
    answerer.add(BoxAnswer::enter());
    answerer.add(BoxAnswer::ok());
    answerer.names("Emus", "Kiwis");
    answerer.add(BoxAnswer::ok());
    answerer.add(BoxAnswer::enter());
    Driver driver(2);
    Watchdog watchdog;

    const int status = runProgram(std::move(random));
    if (watchdog.fired) return;

    QCOMPARE(status, 0);
    QCOMPARE(driver.dialogsAnswered, 2);
    QCOMPARE(driver.exits, 1);
    QCOMPARE(answerer.unscripted(), 0);
    QCOMPARE(answerer.remaining(), std::size_t{0});
    const auto& shown = answerer.shown();
    QCOMPARE(shown.size(), std::size_t{8});
    QCOMPARE(shown[2].title, QString("End of Lions's Innings"));
    QCOMPARE(shown[2].text, QString("That's the end of Lions's innings. Tigers needs 2 runs to "
                                    "win. Can Tigers beat them?"));
    QCOMPARE(shown[3].title, QString("End of Match!"));
    QCOMPARE(shown[3].text,
             QString("The match is over!\nTigers has beaten Lions by 11 wickets.\n"));
    // Yes went straight to the names of the next match.
    QCOMPARE(shown[4].text, QString("Please Enter the Name of the first team competing?"));
    QCOMPARE(shown[4].windowsVisible, QStringList());
    QCOMPARE(shown[6].title, QString("End of Emus's Innings"));
    QCOMPARE(shown[7].text, QString("The match is over!\nThe Match is a Draw!\n"));
    QCOMPARE(driver.finalTotals, QStringList({"1 - 2", "0 - 0"}));
    QCOMPARE(driver.shownAgainAt, driver.hiddenAt);
    QVERIFY(visibleProgramWindows().isEmpty());
}

void ProgramTest::aSeededSessionPlaysToItsEnd() {
    auto random = std::make_unique<rt::ClockSeededRandom>([] { return std::uint64_t{42}; });
    BoxAnswerer answerer;
    answerer.names("Lions", "Tigers");
    // Whatever the rolls, OK on each message box.
    answerer.setFallback(BoxAnswer::cancel(), BoxAnswer::ok());
    Driver driver(1);
    Watchdog watchdog;

    const int status = runProgram(std::move(random));
    if (watchdog.fired) return;

    QCOMPARE(status, 0);
    QCOMPARE(driver.dialogsAnswered, 1);
    QCOMPARE(answerer.count(BoxKind::Input), 2);
    QCOMPARE(answerer.count(BoxKind::Message), 2);
    QCOMPARE(answerer.shown()[2].title, QString("End of Lions's Innings"));
    QCOMPARE(answerer.shown()[3].title, QString("End of Match!"));
    QCOMPARE(answerer.shown()[3].icon, QMessageBox::Information);
    // The first innings' total stands; the chase stops the moment the match is decided.
    const QStringList totals = driver.finalTotals.value(0).split(" - ");
    QCOMPARE(totals.size(), 2);
    const QString& result = answerer.shown()[3].text;
    if (totals[1].toInt() > totals[0].toInt()) {
        QVERIFY2(result.contains("Tigers has beaten Lions by"), qPrintable(result));
    } else if (totals[1] == totals[0]) {
        QVERIFY2(result.contains("Draw"), qPrintable(result));
    } else {
        QVERIFY2(result.contains("Lions has beaten Tigers by"), qPrintable(result));
    }
}

void ProgramTest::closingTheStartScreenEndsWithStatusZero() {
    bool closed = false;
    QList<QSize> iconSizes;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&closed, &iconSizes] {
        // The program's icon comes once the start screen has painted.
        if (QWidget* start = visibleWindow("frmMain");
            start && !closed && !QApplication::windowIcon().isNull()) {
            iconSizes = start->windowIcon().availableSizes();
            closed = true;
            start->close();
        }
    });
    closer.start(2);
    Watchdog watchdog;

    const int status = runProgram(std::make_unique<ScriptedRandom>());
    if (watchdog.fired) return;

    QVERIFY(closed);
    QCOMPARE(status, 0);
    QVERIFY(visibleProgramWindows().isEmpty());
    QCOMPARE(iconSizes, QList<QSize>({{16, 16}, {32, 32}, {48, 48}, {256, 256}}));
    // Desktops match the windows to the installed entry, its name and its icon, by this id.
    QCOMPARE(QGuiApplication::desktopFileName(), QString("org.bailwood.Bailwood2"));
}

}  // namespace
}  // namespace bw::testing

QTEST_MAIN(bw::testing::ProgramTest)
#include "program_test.moc"
