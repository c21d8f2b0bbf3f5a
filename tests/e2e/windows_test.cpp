// The three real windows on the offscreen platform, driven through the runtime with
// scripted names and rolls: what each window shows and what its close button leads to.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QWindow>
#include <QtTest>

#include "app/bailwood2.h"
#include "match/forms.h"
#include "match/view/frm_bailwood2.h"
#include "runtime/qt/caption_widgets.h"
#include "runtime/qt/form.h"
#include "tests/support/scripted_runtime.h"

static void registerIcons() { Q_INIT_RESOURCE(icons); }

namespace {

using bw::frmBailwood2;
using bw::frmMain;
using bw::frmPlayAgain;

class WindowsTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { registerIcons(); }
    void init();
    void cleanup();
    void startScreenOpensAMatchOnlyAfterBothNames();
    void namesAreShownLiterallyAndLongOnesElided();
    void closingTheMatchScreenReturnsToTheStartScreen();
    void playAgainDialogFollowsTheResultAndClosesAlone();
    void yesStartsAFreshMatchWithNoWindowShownDuringTheBoxes();
    void noReturnsToTheStartScreenWhereItWas();
    void exitEntriesAndCloseButtonEndTheProgram();
    void aFailedConversionShowsTheErrorBoxAndEnds();

  private:
    bw::match::FrmBailwood2* matchScreen() {
        return static_cast<bw::match::FrmBailwood2*>(forms_->instance(frmBailwood2));
    }
    bool shown(std::string_view name) {
        QWidget* w = forms_->instance(name);
        return w && w->isVisible();
    }
    QAbstractButton* button(std::string_view window, const char* name) {
        return forms_->instance(window)->findChild<QAbstractButton*>(name);
    }
    void openMatch(const std::string& team1 = "Lions", const std::string& team2 = "Tigers") {
        run_->boxes.answers = {team1, team2};
        QTest::mouseClick(button(frmMain, "cmdBailwood2"), Qt::LeftButton);
    }
    // Team 1 all out for 0; team 2 passes with its first scoring ball.
    void playAMatch() {
        auto& sb = matchScreen()->scoreboard();
        while (sb.cmdInn(1).visible()) click("cmdInn1", 95);
        click("cmdInn2", 1);
    }
    void click(const char* innings, int roll) {
        run_->random.pushRoll(roll);
        QTest::mouseClick(button(frmBailwood2, innings), Qt::LeftButton);
    }

    std::unique_ptr<bw::testing::ScriptedRuntime> run_;
    std::unique_ptr<bw::rt::qt::FormRuntime> forms_;
};

void WindowsTest::init() {
    run_ = std::make_unique<bw::testing::ScriptedRuntime>();
    forms_ = std::make_unique<bw::rt::qt::FormRuntime>(bw::app::Bailwood2Project(), run_->random,
                                                       run_->boxes);
    forms_->Show(frmMain);
}

void WindowsTest::cleanup() {
    forms_.reset();
    run_.reset();
}

void WindowsTest::startScreenOpensAMatchOnlyAfterBothNames() {
    QWidget* start = forms_->instance(frmMain);
    QCOMPARE(start->windowHandle()->title(), QString("Bailwood 2"));
    QCOMPARE(start->findChild<QWidget*>("client")->size(), QSize(218, 67));
    QCOMPARE(start->minimumSize(), start->maximumSize());
    QCOMPARE(button(frmMain, "cmdBailwood2")->text(), QString("&Play Bailwood 2"));

    int asked = 0;
    run_->boxes.whileAsked = [&](const bw::testing::InputBoxShown&) {
        ++asked;
        QVERIFY(start->isVisible());
        QVERIFY(!shown(frmBailwood2));
    };
    // File, Play Bailwood 2 does what the button does.
    run_->boxes.answers = {"Lions", "Tigers"};
    start->findChild<QAction*>("mnuPBailwood2")->trigger();
    QCOMPARE(asked, 2);
    QVERIFY(!start->isVisible());
    QVERIFY(shown(frmBailwood2));

    auto* screen = matchScreen();
    QCOMPARE(screen->size(), QSize(376, 474));
    QCOMPARE(screen->findChild<QLabel*>("lblTeam1")->text(), QString("Lions"));
    QCOMPARE(screen->findChild<QLabel*>("lblTeam2")->text(), QString("Tigers"));
    QVERIFY(button(frmBailwood2, "cmdInn1")->isVisible());
    QVERIFY(!button(frmBailwood2, "cmdInn2")->isVisible());
    QVERIFY(!screen->findChild<QLabel*>("lblP1T1")->isVisible());
    QCOMPARE(static_cast<bw::rt::qt::CaptionButton*>(button(frmBailwood2, "cmdInn1"))->caption(),
             QString("Play Lions's innings."));
}

void WindowsTest::namesAreShownLiterallyAndLongOnesElided() {
    const std::string tricky = "<b>x</b> & [*]";
    const std::string longName(300, 'W');
    openMatch(tricky, longName);
    auto* screen = matchScreen();
    auto* team1 = screen->findChild<QLabel*>("lblTeam1");
    QCOMPARE(team1->text(), QString::fromStdString(tricky));
    QCOMPARE(team1->textFormat(), Qt::PlainText);
    auto* cmdInn1 = static_cast<bw::rt::qt::CaptionButton*>(button(frmBailwood2, "cmdInn1"));
    QCOMPARE(cmdInn1->caption(), QString("Play <b>x</b> & [*]'s innings."));
    QCOMPARE(cmdInn1->text(), QString("Play <b>x</b> && [*]'s innings."));
    click("cmdInn1", 1);
    QCOMPARE(screen->windowHandle()->title(),
             QString("Bailwood - Now playing <b>x</b> & [*]'s innings."));

    auto* team2 = screen->findChild<QLabel*>("lblTeam2");
    QCOMPARE(team2->geometry(), QRect(232, 48, 129, 17));
    QVERIFY(team2->text().endsWith(QChar(0x2026)));
    QVERIFY(team2->text().size() < 300);
    QCOMPARE(team2->toolTip(), QString::fromStdString(longName));
}

void WindowsTest::closingTheMatchScreenReturnsToTheStartScreen() {
    openMatch();
    click("cmdInn1", 70);
    matchScreen()->close();
    QVERIFY(!forms_->instance(frmBailwood2));
    QVERIFY(shown(frmMain));
    QVERIFY(!forms_->ended());
    // The next match starts from the designed values.
    openMatch("Emus", "Kiwis");
    auto& sb = matchScreen()->scoreboard();
    QCOMPARE(sb.lblPR(1, 1).caption(), std::string());
    QCOMPARE(sb.windowCaption(), std::string("Bailwood 2"));
}

void WindowsTest::playAgainDialogFollowsTheResultAndClosesAlone() {
    openMatch();
    bool checkedDuringResult = false;
    run_->boxes.whileOpen = [&](const bw::testing::MessageBoxShown& box) {
        if (box.title != "End of Match!") return;
        checkedDuringResult = true;
        QVERIFY(!forms_->instance(frmPlayAgain));
        QVERIFY(shown(frmBailwood2));
    };
    playAMatch();
    QVERIFY(checkedDuringResult);
    QVERIFY(shown(frmPlayAgain));
    QWidget* dialog = forms_->instance(frmPlayAgain);
    QCOMPARE(dialog->windowHandle()->title(), QString("Play Again?"));
    QCOMPARE(dialog->size(), QSize(239, 89));
    QCOMPARE(dialog->findChild<QLabel*>("Label1")->text(), QString("Do you want to play again?"));
    QCOMPARE(button(frmPlayAgain, "cmdYes")->text(), QString("&Yes"));
    QCOMPARE(button(frmPlayAgain, "cmdNo")->text(), QString("&No"));

    // Showing it again still leaves one dialog.
    forms_->Show(frmPlayAgain);
    int dialogs = 0;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        dialogs += w->objectName() == "frmPlayAgain" && w->isVisible() ? 1 : 0;
    }
    QCOMPARE(dialogs, 1);

    dialog->close();
    QVERIFY(!forms_->instance(frmPlayAgain));
    QVERIFY(shown(frmBailwood2));
    QVERIFY(!shown(frmMain));
    QCOMPARE(matchScreen()->scoreboard().lblTR(2).caption(), std::string("1"));
    matchScreen()->close();
    QVERIFY(shown(frmMain));
}

void WindowsTest::yesStartsAFreshMatchWithNoWindowShownDuringTheBoxes() {
    openMatch();
    playAMatch();
    int asked = 0;
    run_->boxes.whileAsked = [&](const bw::testing::InputBoxShown&) {
        ++asked;
        for (auto window : {frmMain, frmBailwood2, frmPlayAgain}) QVERIFY(!shown(window));
    };
    run_->boxes.answers = {"Emus", "Kiwis"};
    QTest::mouseClick(button(frmPlayAgain, "cmdYes"), Qt::LeftButton);
    QCOMPARE(asked, 2);
    QVERIFY(!forms_->instance(frmPlayAgain));
    auto& sb = matchScreen()->scoreboard();
    QCOMPARE(sb.lblTeam(1).caption(), std::string("Emus"));
    QCOMPARE(sb.lblTR(1).caption(), std::string());
    QCOMPARE(sb.lblTR(2).caption(), std::string());
    QVERIFY(button(frmBailwood2, "cmdInn1")->isVisible());
    QVERIFY(!button(frmBailwood2, "cmdInn2")->isVisible());
    QVERIFY(!shown(frmMain));
}

void WindowsTest::noReturnsToTheStartScreenWhereItWas() {
    QWidget* start = forms_->instance(frmMain);
    start->move(40, 30);
    const QPoint where = start->pos();
    openMatch();
    playAMatch();
    QTest::mouseClick(button(frmPlayAgain, "cmdNo"), Qt::LeftButton);
    QVERIFY(!forms_->instance(frmPlayAgain));
    QVERIFY(!forms_->instance(frmBailwood2));
    QVERIFY(start->isVisible());
    QCOMPARE(start->pos(), where);
}

void WindowsTest::exitEntriesAndCloseButtonEndTheProgram() {
    for (const char* way : {"mnuPExit", "mnuExit", "close"}) {
        init();
        QWidget* start = forms_->instance(frmMain);
        if (QString(way) == "close") {
            start->close();
        } else {
            start->findChild<QAction*>(way)->trigger();
        }
        QVERIFY2(forms_->ended(), way);
        QCOMPARE(forms_->exitStatus(), 0);
        QVERIFY(!forms_->instance(frmMain));
        cleanup();
    }
}

void WindowsTest::aFailedConversionShowsTheErrorBoxAndEnds() {
    openMatch();
    auto& sb = matchScreen()->scoreboard();
    for (int w = 0; w < 10; ++w) click("cmdInn1", 95);
    // The target is read strictly: a total that is not a number is a run-time error.
    sb.lblTR(1).setCaption("abc");
    click("cmdInn1", 95);
    QVERIFY(forms_->ended());
    QCOMPARE(forms_->exitStatus(), 1);
    const auto& error = run_->boxes.messages.back();
    QCOMPARE(error.buttons, 16);
    QVERIFY(QString::fromStdString(error.prompt).contains("Type mismatch"));
    QVERIFY(!forms_->instance(frmBailwood2));
}

}  // namespace

QTEST_MAIN(WindowsTest)
#include "windows_test.moc"
