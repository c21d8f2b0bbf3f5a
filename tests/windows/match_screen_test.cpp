// The match screen on the offscreen platform: the scoreboard after setup, names shown
// literally, the first innings clicked through to its end, and closing the screen.
#include <QApplication>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QWindow>
#include <QtTest>
#include <memory>

#include "match/view/frm_bailwood2.h"
#include "runtime/qt/caption_widgets.h"
#include "tests/support/program_run.h"

static void registerIcons() { Q_INIT_RESOURCE(icons); }

namespace bw::testing {
namespace {

using rt::qt::CaptionButton;

const QString kLiteral = "<b>x</b> & [*]";

class MatchScreenTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { registerIcons(); }
    void init();
    void cleanup();

    void looksAsDesigned();
    void afterSetupOnlyTheNamesAndTheFirstButtonShow();
    void cancelledNamesAreEmpty();
    void namesAreShownLiterally();
    void aLongNameIsElidedWithinItsLabel();
    void theFirstInningsPlaysToItsEnd();
    void theKeyboardAloneBowls();
    void aFailedConversionShowsTheErrorBoxAndEnds();
    void closingReturnsToTheStartScreen_data();
    void closingReturnsToTheStartScreen();

  private:
    // Clicks the start screen's button and answers the two name boxes.
    QWidget* openMatch(const QString& team1 = "Lions", const QString& team2 = "Tigers") {
        return run_->openMatch(team1, team2);
    }
    QWidget* match() { return run_->session.window("frmBailwood2"); }
    QLabel* label(const QString& name) { return match()->findChild<QLabel*>(name); }
    CaptionButton* button(const QString& name) { return match()->findChild<CaptionButton*>(name); }
    QString text(const QString& name) { return label(name)->text(); }
    QString shownTitle() { return match()->windowHandle()->title(); }
    // One click of the innings button per roll.
    void bowl(const QString& innings, std::initializer_list<int> rolls);
    // Wickets until the innings button hides.
    void allOut(const QString& innings);
    int sumOfRunsLabels(int t);

    std::unique_ptr<ProgramRun> run_;
};

void MatchScreenTest::init() { run_ = std::make_unique<ProgramRun>(); }

void MatchScreenTest::cleanup() { run_.reset(); }

void MatchScreenTest::bowl(const QString& innings, std::initializer_list<int> rolls) {
    for (int r : rolls) {
        run_->random.pushRoll(r);
        QTest::mouseClick(button(innings), Qt::LeftButton);
    }
}

void MatchScreenTest::allOut(const QString& innings) {
    for (int guard = 0; guard < 20 && button(innings)->isVisible(); ++guard) bowl(innings, {95});
}

int MatchScreenTest::sumOfRunsLabels(int t) {
    int sum = 0;
    for (int n = 1; n <= 11; ++n) sum += text(QString("lblP%1R%2").arg(n).arg(t)).toInt();
    return sum;
}

void MatchScreenTest::looksAsDesigned() {
    QWidget* w = openMatch();
    QVERIFY(w);
    QCOMPARE(shownTitle(), QString("Bailwood 2"));
    QCOMPARE(w->size(), QSize(376, 474));
    QVERIFY(!(w->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(w->windowFlags() & Qt::WindowMinimizeButtonHint);
    const QPoint screenCentre = w->screen()->availableGeometry().center();
    QVERIFY((w->geometry().center() - screenCentre).manhattanLength() <= 2);
    QCOMPARE(w->grab().toImage().pixelColor(3, 3), QColor(0, 64, 0));
    QCOMPARE(text("lblTitle"), QString("Bailwood 2"));
    QCOMPARE(text("lblTotal1"), QString("Total Runs:"));
    QCOMPARE(text("lblWickets2"), QString("Wickets:"));
}

void MatchScreenTest::afterSetupOnlyTheNamesAndTheFirstButtonShow() {
    QVERIFY(openMatch());
    QCOMPARE(run_->answerer.count(BoxKind::Input), 2);
    QCOMPARE(text("lblTeam1"), QString("Lions"));
    QCOMPARE(text("lblTeam2"), QString("Tigers"));
    QVERIFY(label("lblTeam1")->isVisible());
    for (int t = 1; t <= 2; ++t) {
        for (int n = 1; n <= 11; ++n) {
            const QString name = QString("lblP%1T%2").arg(n).arg(t);
            QVERIFY2(!label(name)->isVisible(), qPrintable(name));
            const QString runs = QString("lblP%1R%2").arg(n).arg(t);
            QVERIFY2(text(runs).isEmpty(), qPrintable(runs));
        }
        QVERIFY(text(QString("lblTR%1").arg(t)).isEmpty());
        QVERIFY(text(QString("lblWT%1").arg(t)).isEmpty());
    }
    for (const char* working : {"lblCounter", "lblResult", "lblWkts"}) {
        QVERIFY2(!label(working)->isVisible(), working);
    }
    QVERIFY(button("cmdInn1")->isVisible());
    QCOMPARE(button("cmdInn1")->text(), QString("Play Lions's innings."));
    QVERIFY(!button("cmdInn2")->isVisible());
    QCOMPARE(shownTitle(), QString("Bailwood 2"));
}

void MatchScreenTest::cancelledNamesAreEmpty() {
    run_->answerer.add(BoxAnswer::cancel());
    run_->answerer.add(BoxAnswer::close());
    QTest::mouseClick(buttonOf(run_->session.window("frmMain"), "cmdBailwood2"), Qt::LeftButton);
    QCOMPARE(run_->answerer.count(BoxKind::Input), 2);
    QVERIFY(visibleWindow("frmBailwood2"));
    QCOMPARE(text("lblTeam1"), QString());
    QCOMPARE(text("lblTeam2"), QString());
    QCOMPARE(button("cmdInn1")->caption(), QString("Play 's innings."));
}

void MatchScreenTest::namesAreShownLiterally() {
    QVERIFY(openMatch(kLiteral, "Tigers"));
    QCOMPARE(text("lblTeam1"), kLiteral);
    QCOMPARE(label("lblTeam1")->textFormat(), Qt::PlainText);

    CaptionButton* first = button("cmdInn1");
    QCOMPARE(first->caption(), QString("Play <b>x</b> & [*]'s innings."));
    // "&&" shows one "&" and gives the button no access key.
    QCOMPARE(first->text(), QString("Play <b>x</b> && [*]'s innings."));
    QVERIFY(QKeySequence::mnemonic(first->text()).isEmpty());

    bowl("cmdInn1", {50});
    QCOMPARE(shownTitle(), QString("Bailwood - Now playing <b>x</b> & [*]'s innings."));

    allOut("cmdInn1");
    const auto& shown = run_->answerer.shown();
    QCOMPARE(shown.size(), std::size_t{3});
    QCOMPARE(shown[2].title, QString("End of <b>x</b> & [*]'s Innings"));
    QCOMPARE(shown[2].textFormat, Qt::PlainText);
    QCOMPARE(shown[2].text,
             QString("That's the end of <b>x</b> & [*]'s innings. Tigers needs 3 runs to win. "
                     "Can Tigers beat them?"));
}

void MatchScreenTest::aLongNameIsElidedWithinItsLabel() {
    const QString longName =
        "The Royal Worshipful Company of Very Long Team Names Cricket Club Eleven";
    run_->answerer.names(longName, "Tigers");
    // The label's bounds while it is still empty, before the names are set.
    QRect before;
    run_->answerer.whileOpen([this, &before](const BoxShown& box) {
        if (box.index == 0 && match()) before = label("lblTeam1")->geometry();
    });
    QTest::mouseClick(buttonOf(run_->session.window("frmMain"), "cmdBailwood2"), Qt::LeftButton);
    QVERIFY(visibleWindow("frmBailwood2"));
    QVERIFY(before.isValid());

    QLabel* team = label("lblTeam1");
    QCOMPARE(team->geometry(), before);
    QVERIFY(team->text() != longName);
    QVERIFY(team->text().endsWith(QChar(0x2026)));
    QVERIFY(longName.startsWith(team->text().chopped(1)));
    QVERIFY(QFontMetrics(team->font()).horizontalAdvance(team->text()) <= team->width());
    QCOMPARE(team->toolTip(), longName);
    QCOMPARE(label("lblTeam2")->toolTip(), QString());

    // The innings button keeps its bounds too; what it cannot show is in its tooltip.
    CaptionButton* first = button("cmdInn1");
    const QRect buttonBounds = first->geometry();
    QCOMPARE(first->caption(), "Play " + longName + "'s innings.");
    match()->grab();
    QCOMPARE(first->geometry(), buttonBounds);
    QCOMPARE(first->toolTip(), first->caption());
}

void MatchScreenTest::theFirstInningsPlaysToItsEnd() {
    QVERIFY(openMatch());
    // 2, out; 6, 1, out; 4, out; then nine more wickets: 13 runs.
    const std::initializer_list<int> rolls = {50, 95, 85, 10, 95, 72, 95, 95,
                                              95, 95, 95, 95, 95, 95, 95};
    int clicks = 0;
    for (int r : rolls) {
        bowl("cmdInn1", {r});
        ++clicks;
        QCOMPARE(text("lblTR1").toInt(), sumOfRunsLabels(1));
        if (clicks == 1) {
            QCOMPARE(shownTitle(), QString("Bailwood - Now playing Lions's innings."));
            QVERIFY(label("lblP1T1")->isVisible());
            QVERIFY(label("lblP1T1")->font().bold());
            QCOMPARE(text("lblP1R1"), QString("2"));
            QVERIFY(!label("lblP2T1")->isVisible());
        }
        if (clicks == 4) {
            QVERIFY(!label("lblP1T1")->font().bold());
            QVERIFY(label("lblP2T1")->font().bold());
            QCOMPARE(text("lblP2R1"), QString("7"));
            QCOMPARE(text("lblWT1"), QString("1"));
        }
        if (clicks < static_cast<int>(rolls.size())) {
            QVERIFY2(button("cmdInn1")->isVisible(), qPrintable(QString::number(clicks)));
            QCOMPARE(run_->answerer.count(BoxKind::Message), 0);
        }
    }

    const auto& shown = run_->answerer.shown();
    QCOMPARE(shown.size(), std::size_t{3});
    const BoxShown& end = shown[2];
    QCOMPARE(end.kind, BoxKind::Message);
    QCOMPARE(end.title, QString("End of Lions's Innings"));
    QCOMPARE(end.text, QString("That's the end of Lions's innings. Tigers needs 14 runs to win. "
                               "Can Tigers beat them?"));
    QCOMPARE(end.icon, QMessageBox::NoIcon);
    QCOMPARE(end.windowsVisible, QStringList({"frmBailwood2"}));

    QCOMPARE(text("lblWT1"), QString("11"));
    QCOMPARE(text("lblTR1"), QString("13"));
    QCOMPARE(sumOfRunsLabels(1), 13);
    for (int n = 1; n <= 11; ++n) {
        QLabel* name = label(QString("lblP%1T1").arg(n));
        QVERIFY(name->isVisible());
        QVERIFY(!name->font().bold());
    }
    QVERIFY(!button("cmdInn1")->isVisible());
    QVERIFY(button("cmdInn2")->isVisible());
    QCOMPARE(button("cmdInn2")->text(), QString("Play Tigers's innings."));

    // A click that reaches the hidden button bowls nothing.
    const int rollsTaken = run_->random.nextCalls;
    button("cmdInn1")->click();
    QCOMPARE(run_->random.nextCalls, rollsTaken);
    QCOMPARE(run_->answerer.shown().size(), std::size_t{3});

    bowl("cmdInn2", {30});
    QCOMPARE(shownTitle(), QString("Bailwood - Now playing Tigers's innings."));
    QVERIFY(label("lblP1T2")->isVisible());
    QCOMPARE(text("lblP1R2"), QString("1"));
    QCOMPARE(text("lblTR2"), QString("1"));
    QCOMPARE(text("lblTR1"), QString("13"));
}

void MatchScreenTest::theKeyboardAloneBowls() {
    QVERIFY(openMatch());
    // Space on the focused innings button bowls; Enter closes the end-of-innings box.
    run_->answerer.setFallback(BoxAnswer::cancel(), BoxAnswer::enter());
    for (int guard = 0; guard < 20 && button("cmdInn1")->isVisible(); ++guard) {
        run_->random.pushRoll(95);
        button("cmdInn1")->setFocus();
        QTest::keyClick(button("cmdInn1"), Qt::Key_Space);
    }
    QCOMPARE(text("lblWT1"), QString("11"));
    QCOMPARE(run_->answerer.count(BoxKind::Message), 1);
    QVERIFY(button("cmdInn2")->isVisible());
}

void MatchScreenTest::aFailedConversionShowsTheErrorBoxAndEnds() {
    QVERIFY(openMatch());
    for (int w = 0; w < 10; ++w) bowl("cmdInn1", {95});
    // The target is read strictly: a total that is not a number is a run-time error.
    auto* screen = static_cast<match::FrmBailwood2*>(match());
    screen->scoreboard().lblTR(1).setCaption("abc");
    bowl("cmdInn1", {95});
    QCOMPARE(run_->session.endings(), 1);
    QCOMPARE(run_->session.endStatus(), 1);
    const BoxShown& error = run_->answerer.shown().back();
    QCOMPARE(error.icon, QMessageBox::Critical);
    QVERIFY(error.text.contains("Type mismatch"));
    QVERIFY(visibleProgramWindows().isEmpty());
}

void MatchScreenTest::closingReturnsToTheStartScreen_data() {
    QTest::addColumn<int>("clicks");
    QTest::newRow("before play") << 0;
    QTest::newRow("during the first innings") << 3;
    QTest::newRow("during the second innings") << 14;
}

void MatchScreenTest::closingReturnsToTheStartScreen() {
    QFETCH(int, clicks);
    QVERIFY(openMatch());
    for (int i = 0; i < clicks; ++i) {
        bowl(button("cmdInn1")->isVisible() ? "cmdInn1" : "cmdInn2", {i == 0 ? 50 : 95});
    }
    QPointer<QWidget> old = match();
    old->close();

    QVERIFY(visibleWindow("frmMain"));
    QCOMPARE(run_->session.window("frmBailwood2"), nullptr);
    QVERIFY(!old || !old->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(old.isNull());
    QCOMPARE(run_->session.endings(), 0);

    // The next match starts afresh.
    QVERIFY(openMatch("Emus", "Kiwis"));
    QCOMPARE(run_->answerer.count(BoxKind::Input), 4);
    QCOMPARE(text("lblTeam1"), QString("Emus"));
    QVERIFY(text("lblTR1").isEmpty());
    QVERIFY(text("lblP1R1").isEmpty());
    QVERIFY(button("cmdInn1")->isVisible());
    QCOMPARE(shownTitle(), QString("Bailwood 2"));
}

}  // namespace
}  // namespace bw::testing

QTEST_MAIN(bw::testing::MatchScreenTest)
#include "match_screen_test.moc"
