// The windows used roughly: team names of every awkward kind, storms of clicks, and closing
// any window or box at any moment of a match.
#include <QAbstractButton>
#include <QApplication>
#include <QKeySequence>
#include <QLabel>
#include <QWindow>
#include <QtTest>
#include <functional>

#include "match/view/frm_bailwood2.h"
#include "tests/support/program_run.h"

namespace bw::testing {
namespace {

constexpr int kStorm = 2000;
constexpr int kWicket = 95;

// Clicks queued as calls of click(), which reach a button hidden or behind a modal box.
void queueClicks(QAbstractButton* button, int clicks) {
    for (int i = 0; i < clicks; ++i)
        QMetaObject::invokeMethod(button, "click", Qt::QueuedConnection);
}

// What a row closes besides the program's windows: the box open at that moment, with its
// close button or with Cancel.
const QString kCloseTheBox = "close the box", kCancelTheBox = "cancel the box";

// The close button as the window system delivers it, which holds it back from a window behind
// a modal box; then a close from within the program, which nothing holds back.
void closeWindow(const QString& name) {
    QWidget* window = visibleWindow(name);
    QVERIFY2(window, qPrintable(name + " is not shown"));
    QPointer<QWidget> guard = window;
    window->windowHandle()->close();
    if (guard && guard->isVisible()) guard->close();
}

class HostileUseTest : public ProgramRunTest {
    Q_OBJECT

  private slots:
    void aWholeMatchShowsTheNamesLiterally_data();
    void aWholeMatchShowsTheNamesLiterally();
    void stormsNeverBowlBehindABoxNorRepeatTheEnd();
    void closingLeavesTheProgramSound_data();
    void closingLeavesTheProgramSound();

  private:
    QAbstractButton* innings(int t) { return run_->innings(t); }
    void play(int steps);
    void checkSound(const QStringList& after);
};

void HostileUseTest::aWholeMatchShowsTheNamesLiterally_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("empty") << QString();
    QTest::newRow("10,000 characters") << QString("Wanderers ").repeated(1000);
    QTest::newRow("emoji") << QString::fromUtf8("\U0001F3CF Bats \U0001F981");
    QTest::newRow("combining marks") << QString::fromUtf8("Zoe\u0308 Ma\u0301laga");
    QTest::newRow("right to left") << QString::fromUtf8("أسود لاهور");
    QTest::newRow("image markup") << QString("<img src=x>");
    QTest::newRow("ampersands") << QString("R&D &&");
    QTest::newRow("placeholder and marker") << QString("%1 [*]");
    QTest::newRow("tab and line breaks") << QString("Red\tNorth\nSouth\r\nEast");
}

void HostileUseTest::aWholeMatchShowsTheNamesLiterally() {
    QFETCH(QString, name);
    const QString other = name + "2";
    QWidget* match = run_->openMatch(name, other);
    QVERIFY(match);

    // Labels hold the whole name as plain text on one line; what they cannot show is elided,
    // and then the tooltip holds it all.
    for (const char* team : {"lblTeam1", "lblTeam2"}) {
        auto* label = match->findChild<QLabel*>(team);
        QCOMPARE(label->textFormat(), Qt::PlainText);
        const QString caption = run_->caption(team);
        const QString line = QString(caption).replace('\n', ' ').replace('\r', ' ');
        if (label->text() != line) QVERIFY(line.startsWith(label->text().chopped(1)));
        QCOMPARE(label->toolTip(), label->text() == caption ? QString() : caption);
    }
    QVERIFY(QKeySequence::mnemonic(innings(1)->text()).isEmpty());

    // Every click also checks that the captions and the title are the model's, name and all.
    run_->playInnings({82});
    QVERIFY(QKeySequence::mnemonic(innings(2)->text()).isEmpty());
    run_->playInnings();
    // A hidden button cannot be clicked, even by a click that still reaches it.
    const int draws = run_->random.nextCalls;
    innings(1)->click();
    innings(2)->click();
    QCOMPARE(run_->random.nextCalls, draws);

    const auto& shown = run_->answerer.shown();
    QCOMPARE(shown.size(), std::size_t{4});
    QCOMPARE(shown[2].title + shown[2].text + shown[3].text,
             "End of " + name + "'s InningsThat's the end of " + name + "'s innings. " + other +
                 " needs 7 runs to win. Can " + other + " beat them?The match is over!\n" + name +
                 " has beaten " + other + " by 6 runs.\n");
    for (int box = 2; box < 4; ++box) {
        QCOMPARE(shown[box].icon, box == 2 ? QMessageBox::NoIcon : QMessageBox::Information);
        QCOMPARE(shown[box].textFormat, Qt::PlainText);
        // The match screen stays behind the box; the dialog follows once it is answered.
        QCOMPARE(shown[box].windowsVisible, QStringList({"frmBailwood2"}));
    }
}

void HostileUseTest::stormsNeverBowlBehindABoxNorRepeatTheEnd() {
    QVERIFY(run_->openMatch());
    run_->random.pushRoll(kWicket);
    // Clicks queued for both buttons at once: each innings' last ball opens its box while
    // clicks are still queued, and those arrive while it is open, as no click of a person's
    // can: the window system holds those back from the window behind a modal box.
    for (int boxes = 1; boxes <= 2; ++boxes) {
        queueClicks(innings(boxes), kStorm);
        queueClicks(innings(3 - boxes), kStorm);
        QTRY_COMPARE(run_->answerer.count(BoxKind::Message), boxes);
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
        QCOMPARE(run_->random.nextCalls, 11 * boxes);
    }
    QCOMPARE(visibleProgramWindows(), QStringList({"frmBailwood2", "frmPlayAgain"}));

    // A storm of Yes starts one new match, not a stack of name boxes.
    run_->answerer.names("Emus", "Kiwis");
    queueClicks(run_->button(Window::frmPlayAgain, "cmdYes"), 200);
    QTRY_COMPARE(run_->answerer.count(BoxKind::Input), 4);
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    QCOMPARE(run_->answerer.count(BoxKind::Input), 4);
    QCOMPARE(visibleProgramWindows(), QStringList{"frmBailwood2"});
    QCOMPARE(run_->caption("lblTeam1"), QString("Emus"));
}

// Each row ends in one decided state: the windows shown afterwards, none when the program has
// ended. Closing the match screen returns to the start screen and leaves no match window
// loaded, except behind a modal box, where the close is refused and play goes on.
void HostileUseTest::closingLeavesTheProgramSound_data() {
    QTest::addColumn<int>("steps");  // of the match played first (see play)
    QTest::addColumn<int>("box");    // open at the close, counted from the first name box; or -1
    QTest::addColumn<QString>("closed");  // a window, or what is done to the box
    QTest::addColumn<QStringList>("after");
    const QStringList ended, start{"frmMain"}, match{"frmBailwood2"},
        matchAndDialog{"frmBailwood2", "frmPlayAgain"};
    const auto row = [](const char* name, int steps, int box, const QString& closed,
                        const QStringList& after) {
        QTest::newRow(name) << steps << box << closed << after;
    };
    row("first name box closed", 1, 0, kCloseTheBox, match);
    row("start screen behind the first name box", 1, 0, "frmMain", match);
    row("second name box cancelled", 1, 1, kCancelTheBox, match);
    row("match screen during the first innings", 2, -1, "frmBailwood2", start);
    row("result box closed", 3, 3, kCloseTheBox, matchAndDialog);
    row("match screen behind the result box", 3, 3, "frmBailwood2", matchAndDialog);
    row("play-again dialog", 3, -1, "frmPlayAgain", match);
    row("match screen beside the play-again dialog", 3, -1, "frmBailwood2", start);
    row("match screen after the play-again dialog closed", 4, -1, "frmBailwood2", start);
    row("start screen after a match", 5, -1, "frmMain", ended);
}

// The first steps of a match: the start button, which asks the names; three balls; both
// innings to their ends and boxes; the play-again dialog closed; the match screen closed.
void HostileUseTest::play(int steps) {
    const auto click = [&](int t, int times) {
        for (int i = 0; i < times && innings(t)->isVisible(); ++i)
            QTest::mouseClick(innings(t), Qt::LeftButton);
    };
    const std::function<void()> step[] = {
        [&] { QTest::mouseClick(run_->button(Window::frmMain, "cmdBailwood2"), Qt::LeftButton); },
        [&] { click(1, 3); },
        [&] {
            click(1, 20);
            click(2, 20);
        },
        [] { closeWindow("frmPlayAgain"); },
        [] { closeWindow("frmBailwood2"); },
    };
    for (int i = 0; i < steps; ++i) step[i]();
}

// The windows shown are the ones decided, and the one in front works; or the program has ended
// with status 0.
void HostileUseTest::checkSound(const QStringList& after) {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(visibleProgramWindows(), after);
    QCOMPARE(run_->endings, after.isEmpty() ? 1 : 0);
    if (after.isEmpty()) {
        QCOMPARE(run_->endStatus, 0);
        return;
    }
    if (after.contains("frmPlayAgain")) {
        QTest::mouseClick(buttonOf(visibleWindow("frmPlayAgain"), "cmdNo"), Qt::LeftButton);
    } else if (after.contains("frmBailwood2")) {
        // The innings button in play bowls once; with neither shown, the match is over.
        QAbstractButton* button = innings(innings(1)->isVisible() ? 1 : 2);
        const int draws = run_->random.nextCalls;
        if (button->isVisible()) QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(run_->random.nextCalls, draws + (button->isVisible() ? 1 : 0));
        closeWindow("frmBailwood2");
    }
    // Back on the start screen, with no match window left behind.
    QCOMPARE(visibleProgramWindows(), QStringList{"frmMain"});
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!run_->window(Window::frmBailwood2) && !run_->window(Window::frmPlayAgain));
    QVERIFY(run_->openMatch("Emus", "Kiwis"));
    QVERIFY(innings(1)->isVisible());
}

void HostileUseTest::closingLeavesTheProgramSound() {
    QFETCH(int, steps);
    QFETCH(int, box);
    QFETCH(QString, closed);
    QFETCH(QStringList, after);
    // Team 1 makes 2 and is all out; team 2 is all out for nothing.
    run_->random.pushRoll(50);
    run_->random.pushRoll(kWicket);
    // The boxes up to this row's: the names, then Enter; this row's box as the row says.
    const QMap<QString, BoxAnswer::Action> closings{{kCloseTheBox, BoxAnswer::Action::Close},
                                                    {kCancelTheBox, BoxAnswer::Action::Cancel}};
    const bool closesTheBox = closings.contains(closed);
    for (int i = 0; i <= std::max(box, 1); ++i) {
        const auto action = i == box && closesTheBox ? closings[closed] : BoxAnswer::Action::Enter;
        run_->answerer.add({action, i == 0 ? "Lions" : i == 1 ? "Tigers" : ""});
    }
    run_->answerer.whileOpen([&](const BoxShown& shown) {
        if (shown.index == box && !closesTheBox) closeWindow(closed);
    });
    play(steps);
    if (box < 0) closeWindow(closed);
    QVERIFY(static_cast<int>(run_->answerer.shown().size()) > box);
    checkSound(after);
}

}  // namespace
}  // namespace bw::testing

QTEST_MAIN(bw::testing::HostileUseTest)
#include "hostile_use_test.moc"
