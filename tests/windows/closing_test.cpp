// Closing at any moment: each window's close button and each box's Cancel or close button, in
// every state of a match. Afterwards the program either shows a window that works or has
// ended with status 0.
#include <QAbstractButton>
#include <QApplication>
#include <QWindow>
#include <QtTest>
#include <memory>

#include "tests/support/program_run.h"

static void registerIcons() { Q_INIT_RESOURCE(icons); }

namespace bw::testing {
namespace {

// The moments of a match, in the order they come.
enum class Stage {
    StartScreen,
    FirstNameBox,
    SecondNameBox,
    FirstInnings,
    TargetBox,
    SecondInnings,
    ResultBox,
    PlayAgain,
    PlayAgainClosed,
    StartScreenAgain,
};

// The box open at a stage, counted from the first name box; -1 when none is.
int boxAt(Stage stage) {
    switch (stage) {
        case Stage::FirstNameBox:
            return 0;
        case Stage::SecondNameBox:
            return 1;
        case Stage::TargetBox:
            return 2;
        case Stage::ResultBox:
            return 3;
        default:
            return -1;
    }
}

// What is closed: a window by name, or the open box itself.
const QString kTheBox = "the box";

class ClosingTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { registerIcons(); }
    void closingLeavesTheProgramSound_data();
    void closingLeavesTheProgramSound();

  private:
    void closeWindow(const QString& name);
    // Plays on from where the last stage left off, up to the given one.
    void playTo(Stage stage);
    void checkSound();

    std::unique_ptr<ProgramRun> run_;
};

void ClosingTest::closingLeavesTheProgramSound_data() {
    QTest::addColumn<Stage>("stage");
    QTest::addColumn<QString>("closed");
    QTest::addColumn<int>("boxAnswer");  // BoxAnswer::Action for the box, when it is closed
    const auto row = [](const char* name, Stage stage, const QString& closed,
                        BoxAnswer::Action answer = BoxAnswer::Action::Close) {
        QTest::newRow(name) << stage << closed << static_cast<int>(answer);
    };
    row("start screen", Stage::StartScreen, "frmMain");
    row("first name box cancelled", Stage::FirstNameBox, kTheBox, BoxAnswer::Action::Cancel);
    row("first name box closed", Stage::FirstNameBox, kTheBox);
    row("start screen behind the first name box", Stage::FirstNameBox, "frmMain");
    row("second name box cancelled", Stage::SecondNameBox, kTheBox, BoxAnswer::Action::Cancel);
    row("second name box closed", Stage::SecondNameBox, kTheBox);
    row("start screen behind the second name box", Stage::SecondNameBox, "frmMain");
    row("match screen during the first innings", Stage::FirstInnings, "frmBailwood2");
    row("end-of-innings box closed", Stage::TargetBox, kTheBox);
    row("match screen behind the end-of-innings box", Stage::TargetBox, "frmBailwood2");
    row("match screen during the second innings", Stage::SecondInnings, "frmBailwood2");
    row("result box closed", Stage::ResultBox, kTheBox);
    row("match screen behind the result box", Stage::ResultBox, "frmBailwood2");
    row("play-again dialog", Stage::PlayAgain, "frmPlayAgain");
    row("match screen beside the play-again dialog", Stage::PlayAgain, "frmBailwood2");
    row("match screen after the play-again dialog closed", Stage::PlayAgainClosed, "frmBailwood2");
    row("start screen after a match", Stage::StartScreenAgain, "frmMain");
}

// The close button as the window system delivers it, which holds it back from a window behind
// a modal box; then a close from within the program, which nothing holds back.
void ClosingTest::closeWindow(const QString& name) {
    QWidget* window = visibleWindow(name);
    QVERIFY2(window, qPrintable(name + " is not shown"));
    QPointer<QWidget> guard = window;
    window->windowHandle()->close();
    if (guard && guard->isVisible()) guard->close();
}

void ClosingTest::playTo(Stage stage) {
    if (stage == Stage::StartScreen) return;
    QTest::mouseClick(buttonOf(run_->window("frmMain"), "cmdBailwood2"), Qt::LeftButton);
    if (stage <= Stage::SecondNameBox) return;

    QWidget* match = visibleWindow("frmBailwood2");
    QVERIFY(match);
    const auto click = [&](const char* button, int times) {
        for (int i = 0; i < times && buttonOf(match, button)->isVisible(); ++i) {
            QTest::mouseClick(buttonOf(match, button), Qt::LeftButton);
        }
    };
    click("cmdInn1", 3);
    if (stage == Stage::FirstInnings) return;
    click("cmdInn1", 20);
    if (stage == Stage::TargetBox) return;
    click("cmdInn2", 3);
    if (stage == Stage::SecondInnings) return;
    click("cmdInn2", 20);
    if (stage == Stage::ResultBox) return;
    QVERIFY(visibleWindow("frmPlayAgain"));
    if (stage == Stage::PlayAgain) return;
    closeWindow("frmPlayAgain");
    if (stage == Stage::PlayAgainClosed) return;
    closeWindow("frmBailwood2");
}

void ClosingTest::checkSound() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    if (run_->session.endings() > 0) {
        QCOMPARE(run_->session.endStatus(), 0);
        QCOMPARE(visibleProgramWindows(), QStringList());
        return;
    }
    QVERIFY(!visibleProgramWindows().isEmpty());
    if (QWidget* again = visibleWindow("frmPlayAgain")) {
        QTest::mouseClick(buttonOf(again, "cmdNo"), Qt::LeftButton);
        QCOMPARE(visibleProgramWindows(), QStringList{"frmMain"});
        return;
    }
    if (QWidget* match = visibleWindow("frmBailwood2")) {
        for (const char* name : {"cmdInn1", "cmdInn2"}) {
            if (!buttonOf(match, name)->isVisible()) continue;
            const int draws = run_->random.nextCalls;
            QTest::mouseClick(buttonOf(match, name), Qt::LeftButton);
            QCOMPARE(run_->random.nextCalls, draws + 1);
            return;
        }
        match->windowHandle()->close();
        QCOMPARE(visibleProgramWindows(), QStringList{"frmMain"});
        return;
    }
    QCOMPARE(visibleProgramWindows(), QStringList{"frmMain"});
    QWidget* next = run_->openMatch("Emus", "Kiwis");
    QVERIFY(next);
    QVERIFY(buttonOf(next, "cmdInn1")->isVisible());
}

void ClosingTest::closingLeavesTheProgramSound() {
    QFETCH(Stage, stage);
    QFETCH(QString, closed);
    QFETCH(int, boxAnswer);
    run_ = std::make_unique<ProgramRun>();
    // Team 1 makes 2 and is all out; team 2 is all out for nothing.
    run_->random.pushRoll(50);
    run_->random.pushRoll(95);

    // The boxes up to this stage's: names, then Enter, the one of this stage as the row says.
    const int box = boxAt(stage);
    for (int i = 0; i <= std::max(box, 1); ++i) {
        if (i == box && closed == kTheBox) {
            run_->answerer.add({static_cast<BoxAnswer::Action>(boxAnswer), {}});
        } else {
            run_->answerer.add(i < 2 ? BoxAnswer::type(i == 0 ? "Lions" : "Tigers")
                                     : BoxAnswer::enter());
        }
    }
    bool closedBehindTheBox = false;
    run_->answerer.whileOpen([&](const BoxShown& shown) {
        if (shown.index != box || closed == kTheBox) return;
        closeWindow(closed);
        closedBehindTheBox = true;
    });

    playTo(stage);
    if (box < 0) {
        closeWindow(closed);
    } else if (closed != kTheBox) {
        QVERIFY(closedBehindTheBox);
    }
    checkSound();
    run_.reset();
}

}  // namespace
}  // namespace bw::testing

QTEST_MAIN(bw::testing::ClosingTest)
#include "closing_test.moc"
