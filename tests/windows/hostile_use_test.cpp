// The windows used roughly: team names of every awkward kind, storms of clicks, and closing
// any window or box at any moment of a match.
#include <QApplication>
#include <QKeySequence>
#include <QLabel>
#include <QRegularExpression>
#include <QWindow>
#include <QtTest>
#include <array>
#include <memory>

#include "match/view/frm_bailwood2.h"
#include "runtime/qt/caption_widgets.h"
#include "tests/support/program_run.h"

namespace bw::testing {
namespace {

constexpr int kStorm = 2000;
constexpr int kWicket = 95;

// Half as queued calls of click(), half as posted presses and releases of the mouse.
void queueClicks(QAbstractButton* button, int clicks) {
    const QPointF centre = QRectF(button->rect()).center();
    for (int i = 0; i < clicks; ++i) {
        if (i % 2 == 0) {
            QMetaObject::invokeMethod(button, "click", Qt::QueuedConnection);
            continue;
        }
        for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QCoreApplication::postEvent(
                button,
                new QMouseEvent(type, centre, button->mapToGlobal(centre), Qt::LeftButton,
                                type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                                Qt::NoModifier));
        }
    }
}

// The moments of a match, in the order they come, and the box open at each (counted from the
// first name box; -1 when none is).
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
int boxAt(Stage stage) { return std::array{-1, 0, 1, -1, 2, -1, 3, -1, -1, -1}[int(stage)]; }

const QString kTheBox = "the box";

// The close button as the window system delivers it, which holds it back from a window behind
// a modal box; then a close from within the program, which nothing holds back.
void closeWindow(const QString& name) {
    QWidget* window = visibleWindow(name);
    QVERIFY2(window, qPrintable(name + " is not shown"));
    QPointer<QWidget> guard = window;
    window->windowHandle()->close();
    if (guard && guard->isVisible()) guard->close();
}

class HostileUseTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { run_ = std::make_unique<ProgramRun>(); }
    void cleanup() { run_.reset(); }

    void aWholeMatchShowsTheNamesLiterally_data();
    void aWholeMatchShowsTheNamesLiterally();
    void stormsNeverBowlBehindABoxNorRepeatTheEnd();
    void closingLeavesTheProgramSound_data();
    void closingLeavesTheProgramSound();

  private:
    QAbstractButton* innings(int t) {
        return run_->button(Window::frmBailwood2, t == 1 ? "cmdInn1" : "cmdInn2");
    }
    void playTo(Stage stage);
    void checkSound(const QStringList& after);

    std::unique_ptr<ProgramRun> run_;
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
    run_->answerer.names(name, other);
    // Every control's bounds while the names are still being asked for.
    QHash<QString, QRect> bounds;
    run_->answerer.whileOpen([&](const BoxShown& box) {
        if (box.index != 0 || !run_->match()) return;
        for (QWidget* child : run_->match()->findChildren<QWidget*>(QRegularExpression(".")))
            bounds[child->objectName()] = child->geometry();
    });
    QTest::mouseClick(run_->button(Window::frmMain, "cmdBailwood2"), Qt::LeftButton);
    QWidget* match = run_->match();
    QVERIFY(match && !bounds.isEmpty());

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
    QCOMPARE(run_->caption("lblTeam1"), name);
    QCOMPARE(run_->caption("cmdInn1"), "Play " + name + "'s innings.");
    QVERIFY(QKeySequence::mnemonic(innings(1)->text()).isEmpty());

    run_->playInnings({82});
    QCOMPARE(match->windowHandle()->title(), "Bailwood - Now playing " + name + "'s innings.");
    QVERIFY(QKeySequence::mnemonic(innings(2)->text()).isEmpty());
    run_->playInnings();
    QCOMPARE(match->windowHandle()->title(), "Bailwood - Now playing " + other + "'s innings.");
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
    match->grab();
    for (QWidget* child : match->findChildren<QWidget*>(QRegularExpression(".")))
        QCOMPARE(child->geometry(), bounds.value(child->objectName()));
}

void HostileUseTest::stormsNeverBowlBehindABoxNorRepeatTheEnd() {
    QVERIFY(run_->openMatch());
    run_->random.pushRoll(kWicket);
    // While each box is up: the rolls taken so far, and a person clicking on at the match
    // screen, whose clicks the window system holds back from the window behind the box.
    QList<int> drawsAtBox;
    run_->answerer.whileOpen([&](const BoxShown& box) {
        if (box.kind != BoxKind::Message) return;
        drawsAtBox << run_->random.nextCalls;
        for (int t = 1; t <= 2; ++t) {
            const QPoint at = innings(t)->mapTo(run_->match(), innings(t)->rect().center());
            for (int i = 0; i < 50; ++i)
                QTest::mouseClick(run_->match()->windowHandle(), Qt::LeftButton, {}, at);
        }
    });
    // Clicks queued for both buttons at once: each innings' last ball opens its box while
    // clicks are still queued, and those arrive while it is open.
    for (int boxes = 1; boxes <= 2; ++boxes) {
        queueClicks(innings(boxes), kStorm);
        queueClicks(innings(3 - boxes), kStorm);
        QTRY_COMPARE(run_->answerer.count(BoxKind::Message), boxes);
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
        QCOMPARE(run_->random.nextCalls, 11 * boxes);
    }
    QCOMPARE(drawsAtBox, QList<int>({11, 22}));
    QCOMPARE(visibleCount("frmPlayAgain"), 1);

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
    QTest::addColumn<Stage>("stage");
    QTest::addColumn<QString>("closed");
    QTest::addColumn<int>("boxAnswer");  // BoxAnswer::Action for the box, when it is closed
    QTest::addColumn<QStringList>("after");
    const QStringList ended, start{"frmMain"}, match{"frmBailwood2"},
        matchAndDialog{"frmBailwood2", "frmPlayAgain"};
    const auto row = [](const char* name, Stage stage, const QString& closed,
                        const QStringList& after,
                        BoxAnswer::Action answer = BoxAnswer::Action::Close) {
        QTest::newRow(name) << stage << closed << static_cast<int>(answer) << after;
    };
    const auto cancel = BoxAnswer::Action::Cancel;
    row("start screen", Stage::StartScreen, "frmMain", ended);
    row("first name box cancelled", Stage::FirstNameBox, kTheBox, match, cancel);
    row("first name box closed", Stage::FirstNameBox, kTheBox, match);
    row("start screen behind the first name box", Stage::FirstNameBox, "frmMain", match);
    row("second name box cancelled", Stage::SecondNameBox, kTheBox, match, cancel);
    row("start screen behind the second name box", Stage::SecondNameBox, "frmMain", match);
    row("match screen during the first innings", Stage::FirstInnings, "frmBailwood2", start);
    row("end-of-innings box closed", Stage::TargetBox, kTheBox, match);
    row("match screen behind the end-of-innings box", Stage::TargetBox, "frmBailwood2", match);
    row("match screen during the second innings", Stage::SecondInnings, "frmBailwood2", start);
    row("result box closed", Stage::ResultBox, kTheBox, matchAndDialog);
    row("match screen behind the result box", Stage::ResultBox, "frmBailwood2", matchAndDialog);
    row("play-again dialog", Stage::PlayAgain, "frmPlayAgain", match);
    row("match screen beside the play-again dialog", Stage::PlayAgain, "frmBailwood2", start);
    row("match screen after the play-again dialog closed", Stage::PlayAgainClosed, "frmBailwood2",
        start);
    row("start screen after a match", Stage::StartScreenAgain, "frmMain", ended);
}

void HostileUseTest::playTo(Stage stage) {
    if (stage == Stage::StartScreen) return;
    QTest::mouseClick(run_->button(Window::frmMain, "cmdBailwood2"), Qt::LeftButton);
    if (stage <= Stage::SecondNameBox) return;
    const auto click = [&](int t, int times) {
        for (int i = 0; i < times && innings(t)->isVisible(); ++i)
            QTest::mouseClick(innings(t), Qt::LeftButton);
    };
    click(1, 3);
    if (stage == Stage::FirstInnings) return;
    click(1, 20);
    if (stage == Stage::TargetBox) return;
    click(2, 3);
    if (stage == Stage::SecondInnings) return;
    click(2, 20);
    if (stage == Stage::ResultBox) return;
    if (stage == Stage::PlayAgain) return;
    closeWindow("frmPlayAgain");
    if (stage == Stage::PlayAgainClosed) return;
    closeWindow("frmBailwood2");
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
    QFETCH(Stage, stage);
    QFETCH(QString, closed);
    QFETCH(int, boxAnswer);
    QFETCH(QStringList, after);
    // Team 1 makes 2 and is all out; team 2 is all out for nothing.
    run_->random.pushRoll(50);
    run_->random.pushRoll(kWicket);
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
    } else {
        QVERIFY(closed == kTheBox || closedBehindTheBox);
    }
    checkSound(after);
}

}  // namespace
}  // namespace bw::testing

QTEST_MAIN(bw::testing::HostileUseTest)
#include "hostile_use_test.moc"
