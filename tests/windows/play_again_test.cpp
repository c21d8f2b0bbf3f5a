// The end of a match on the offscreen platform: the result box, then the play-again dialog
// and each way of answering it.
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QWindow>
#include <QtTest>
#include <memory>

#include "runtime/qt/caption_widgets.h"
#include "tests/support/program_run.h"

static void registerIcons() { Q_INIT_RESOURCE(icons); }

namespace bw::testing {
namespace {

class PlayAgainTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { registerIcons(); }
    void init();
    void cleanup();

    void theResultBoxComesBeforeTheDialog();
    void theResultBoxNamesTheOutcome_data();
    void theResultBoxNamesTheOutcome();
    void yesStartsAFreshMatch_data();
    void yesStartsAFreshMatch();
    void noReturnsToTheStartScreenWhereItWas_data();
    void noReturnsToTheStartScreenWhereItWas();
    void closingTheDialogKeepsTheFinalScoreboard();
    void neverTwoDialogs();

  private:
    QWidget* window(const char* name) { return run_->session.window(name); }
    QAbstractButton* button(const char* window, const char* name) {
        return buttonOf(this->window(window), name);
    }
    QString text(const char* name) {
        return window("frmBailwood2")->findChild<QLabel*>(name)->text();
    }
    // Opens a match and plays it to its end: Lions make 2, Tigers are all out for 0.
    void playAMatch(const QString& team1 = "Lions", const QString& team2 = "Tigers");
    void playToTheEnd();
    // The given rolls for the innings, then wickets until its button hides.
    void playInnings(const char* innings, const QList<int>& rolls);
    void bowl(const char* innings, int roll);
    // Presses a dialog button by the given gesture: a click, or its access key.
    void press(const char* name, const QString& how, Qt::Key key);

    std::unique_ptr<ProgramRun> run_;
};

void PlayAgainTest::init() { run_ = std::make_unique<ProgramRun>(); }

void PlayAgainTest::cleanup() { run_.reset(); }

void PlayAgainTest::bowl(const char* innings, int roll) {
    run_->random.pushRoll(roll);
    QTest::mouseClick(button("frmBailwood2", innings), Qt::LeftButton);
}

void PlayAgainTest::playAMatch(const QString& team1, const QString& team2) {
    run_->answerer.names(team1, team2);
    QTest::mouseClick(button("frmMain", "cmdBailwood2"), Qt::LeftButton);
    QVERIFY(visibleWindow("frmBailwood2"));
    playToTheEnd();
}

void PlayAgainTest::playToTheEnd() {
    playInnings("cmdInn1", {50});
    playInnings("cmdInn2", {});
    QVERIFY(visibleWindow("frmPlayAgain"));
}

void PlayAgainTest::playInnings(const char* innings, const QList<int>& rolls) {
    for (int roll : rolls) {
        QVERIFY(button("frmBailwood2", innings)->isVisible());
        bowl(innings, roll);
    }
    for (int guard = 0; guard < 20 && button("frmBailwood2", innings)->isVisible(); ++guard) {
        bowl(innings, 95);
    }
}

void PlayAgainTest::press(const char* name, const QString& how, Qt::Key key) {
    QWidget* dialog = window("frmPlayAgain");
    if (how == "click") {
        QTest::mouseClick(buttonOf(dialog, name), Qt::LeftButton);
        return;
    }
    QVERIFY(QTest::qWaitForWindowActive(dialog));
    QTest::keyClick(dialog, key, Qt::AltModifier);
    // An access key presses the button visibly first; the click follows from the loop.
    QTRY_VERIFY(!window("frmPlayAgain"));
}

void PlayAgainTest::theResultBoxComesBeforeTheDialog() {
    playAMatch();
    const auto& shown = run_->answerer.shown();
    QCOMPARE(shown.size(), std::size_t{4});
    const BoxShown& result = shown[3];
    QCOMPARE(result.kind, BoxKind::Message);
    QCOMPARE(result.title, QString("End of Match!"));
    QCOMPARE(result.icon, QMessageBox::Information);
    QCOMPARE(result.text, QString("The match is over!\nLions has beaten Tigers by 2 runs.\n"));
    QCOMPARE(result.textFormat, Qt::PlainText);
    // The match screen stays behind the box; the dialog follows only once it is answered.
    QCOMPARE(result.windowsVisible, QStringList({"frmBailwood2"}));

    QWidget* dialog = visibleWindow("frmPlayAgain");
    QVERIFY(dialog);
    QCOMPARE(dialog->windowHandle()->title(), QString("Play Again?"));
    QCOMPARE(dialog->findChild<QLabel*>("Label1")->text(), QString("Do you want to play again?"));
    QCOMPARE(buttonOf(dialog, "cmdYes")->text(), QString("&Yes"));
    QCOMPARE(buttonOf(dialog, "cmdNo")->text(), QString("&No"));
    QVERIFY(buttonOf(dialog, "cmdYes")->isVisible());
    QVERIFY(buttonOf(dialog, "cmdNo")->isVisible());
    QVERIFY(visibleWindow("frmBailwood2"));
    QVERIFY(!visibleWindow("frmMain"));
    QVERIFY(!button("frmBailwood2", "cmdInn1")->isVisible());
    QVERIFY(!button("frmBailwood2", "cmdInn2")->isVisible());
}

void PlayAgainTest::theResultBoxNamesTheOutcome_data() {
    QTest::addColumn<QList<int>>("first");
    QTest::addColumn<QList<int>>("second");
    QTest::addColumn<int>("secondInningsClicks");
    QTest::addColumn<QString>("result");
    QTest::newRow("first team by runs")
        << QList<int>{50, 30} << QList<int>{} << 11 << "Lions has beaten Tigers by 3 runs.";
    // Decided on the ball that passes the total, with ten wickets standing.
    QTest::newRow("second team by wickets")
        << QList<int>{10} << QList<int>{95, 50} << 2 << "Tigers has beaten Lions by 10 wickets.";
    QTest::newRow("draw") << QList<int>{10} << QList<int>{10} << 12 << "The Match is a Draw!";
}

void PlayAgainTest::theResultBoxNamesTheOutcome() {
    QFETCH(QList<int>, first);
    QFETCH(QList<int>, second);
    QFETCH(int, secondInningsClicks);
    QFETCH(QString, result);
    run_->answerer.names("Lions", "Tigers");
    QTest::mouseClick(button("frmMain", "cmdBailwood2"), Qt::LeftButton);
    playInnings("cmdInn1", first);
    const int before = run_->random.nextCalls;
    playInnings("cmdInn2", second);

    QCOMPARE(run_->random.nextCalls - before, secondInningsClicks);
    QCOMPARE(run_->answerer.count(BoxKind::Message), 2);
    const BoxShown& box = run_->answerer.shown().back();
    QCOMPARE(box.title, QString("End of Match!"));
    QCOMPARE(box.text, "The match is over!\n" + result + "\n");
    QVERIFY(visibleWindow("frmPlayAgain"));
}

void PlayAgainTest::yesStartsAFreshMatch_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("click") << "click";
    QTest::newRow("Alt+Y") << "Alt+Y";
}

void PlayAgainTest::yesStartsAFreshMatch() {
    QFETCH(QString, how);
    playAMatch();
    QPointer<QWidget> oldMatch = window("frmBailwood2");
    QPointer<QWidget> dialog = window("frmPlayAgain");
    bool oldGoneAtFirstBox = false;
    run_->answerer.whileOpen([&](const BoxShown& box) {
        if (box.index == 4) {
            oldGoneAtFirstBox =
                (!oldMatch || !oldMatch->isVisible()) && (!dialog || !dialog->isVisible());
        }
    });
    run_->answerer.names("Emus", "Kiwis");
    press("cmdYes", how, Qt::Key_Y);

    const auto& shown = run_->answerer.shown();
    QCOMPARE(shown.size(), std::size_t{6});
    QCOMPARE(shown[4].text, QString("Please Enter the Name of the first team competing?"));
    QCOMPARE(shown[5].text, QString("Please Enter the Name of the second team competing?"));
    QVERIFY(oldGoneAtFirstBox);
    // No program window shows while the new names are asked for.
    QCOMPARE(shown[4].windowsVisible, QStringList());
    QCOMPARE(shown[5].windowsVisible, QStringList());

    QWidget* fresh = visibleWindow("frmBailwood2");
    QVERIFY(fresh);
    QCOMPARE(fresh, window("frmBailwood2"));
    QCOMPARE(window("frmPlayAgain"), nullptr);
    QVERIFY(!visibleWindow("frmMain"));
    QCOMPARE(fresh->windowHandle()->title(), QString("Bailwood 2"));
    QCOMPARE(text("lblTeam1"), QString("Emus"));
    QCOMPARE(text("lblTeam2"), QString("Kiwis"));
    for (const char* empty : {"lblTR1", "lblTR2", "lblWT1", "lblWT2", "lblP1R1", "lblP1R2"}) {
        QVERIFY2(text(empty).isEmpty(), empty);
    }
    QVERIFY(!fresh->findChild<QLabel*>("lblP1T1")->isVisible());
    QVERIFY(button("frmBailwood2", "cmdInn1")->isVisible());
    QCOMPARE(button("frmBailwood2", "cmdInn1")->text(), QString("Play Emus's innings."));
    QVERIFY(!button("frmBailwood2", "cmdInn2")->isVisible());

    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(oldMatch.isNull());
    QVERIFY(dialog.isNull());
    QCOMPARE(run_->session.endings(), 0);
}

void PlayAgainTest::noReturnsToTheStartScreenWhereItWas_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("click") << "click";
    QTest::newRow("Alt+N") << "Alt+N";
}

void PlayAgainTest::noReturnsToTheStartScreenWhereItWas() {
    QFETCH(QString, how);
    QWidget* start = window("frmMain");
    start->move(start->pos() + QPoint(37, 23));
    const QPoint where = start->pos();
    playAMatch();
    QVERIFY(!start->isVisible());

    press("cmdNo", how, Qt::Key_N);
    QCOMPARE(window("frmMain"), start);
    QVERIFY(start->isVisible());
    QCOMPARE(start->pos(), where);
    QCOMPARE(window("frmBailwood2"), nullptr);
    QCOMPARE(window("frmPlayAgain"), nullptr);
    QCOMPARE(visibleProgramWindows(), QStringList({"frmMain"}));
    QCOMPARE(run_->answerer.shown().size(), std::size_t{4});
    QCOMPARE(run_->session.endings(), 0);
}

void PlayAgainTest::closingTheDialogKeepsTheFinalScoreboard() {
    playAMatch();
    window("frmPlayAgain")->close();

    QCOMPARE(window("frmPlayAgain"), nullptr);
    QCOMPARE(visibleProgramWindows(), QStringList({"frmBailwood2"}));
    QCOMPARE(text("lblTR1"), QString("2"));
    QCOMPARE(text("lblTR2"), QString("0"));
    QCOMPARE(text("lblWT1"), QString("11"));
    QCOMPARE(text("lblWT2"), QString("11"));
    QCOMPARE(text("lblTeam1"), QString("Lions"));
    QCOMPARE(run_->answerer.shown().size(), std::size_t{4});

    window("frmBailwood2")->close();
    QCOMPARE(window("frmBailwood2"), nullptr);
    QCOMPARE(visibleProgramWindows(), QStringList({"frmMain"}));
    QCOMPARE(run_->session.endings(), 0);
}

void PlayAgainTest::neverTwoDialogs() {
    playAMatch();
    QCOMPARE(visibleCount("frmPlayAgain"), 1);
    // A click that still reaches a hidden innings button after the end decides nothing.
    button("frmBailwood2", "cmdInn2")->click();
    button("frmBailwood2", "cmdInn1")->click();
    QCOMPARE(run_->answerer.shown().size(), std::size_t{4});
    QCOMPARE(visibleCount("frmPlayAgain"), 1);

    run_->answerer.names("Emus", "Kiwis");
    press("cmdYes", "click", Qt::Key_Y);
    QVERIFY(visibleWindow("frmBailwood2"));
    playToTheEnd();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(visibleCount("frmPlayAgain"), 1);
    QCOMPARE(topLevelCount("frmPlayAgain"), 1);
    QCOMPARE(topLevelCount("frmBailwood2"), 1);
}

}  // namespace
}  // namespace bw::testing

QTEST_MAIN(bw::testing::PlayAgainTest)
#include "play_again_test.moc"
