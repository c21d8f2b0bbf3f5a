// The three windows at 96 dots per inch: every control where its twips put it, the client
// areas as designed, and no caption clipped at the default fonts.
#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QStyleOptionButton>
#include <QtTest>
#include <memory>

#include "match/scoreboard.h"
#include "match/view/frm_bailwood2.h"
#include "runtime/qt/caption_widgets.h"
#include "tests/support/program_run.h"

static void registerIcons() { Q_INIT_RESOURCE(icons); }

namespace bw::testing {
namespace {

using match::TwipsRect;

// Exactly 15 twips to a pixel: a position that does not divide is a design fault.
QRect pixelsOf(const TwipsRect& r) {
    for (int twips : {r.left, r.top, r.width, r.height}) {
        if (twips % 15 != 0) qFatal("%d twips is not a whole pixel", twips);
    }
    return {r.left / 15, r.top / 15, r.width / 15, r.height / 15};
}

struct Placed {
    const char* name;
    TwipsRect twips;
};

// The start screen's button sits in the client area below the menu bar.
const Placed kStartScreen[] = {{"cmdBailwood2", {240, 240, 2775, 495}}};
const Placed kPlayAgain[] = {
    {"Label1", {120, 120, 3285, 300}},
    {"cmdYes", {240, 600, 1215, 495}},
    {"cmdNo", {2040, 600, 1215, 495}},
};

class LayoutTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { registerIcons(); }
    void init();
    void cleanup();

    void theScreenIs96Dpi();
    void theStartScreenIsAsDesigned();
    void theMatchScreenIsAsDesigned();
    void thePlayAgainDialogIsAsDesigned();
    void noCaptionIsClipped();

  private:
    QWidget* openMatch(const QString& team1, const QString& team2) {
        return run_->openMatch(team1, team2);
    }
    QWidget* window(const char* name) { return run_->session.window(name); }

    std::unique_ptr<ProgramRun> run_;
};

void LayoutTest::init() { run_ = std::make_unique<ProgramRun>(); }

void LayoutTest::cleanup() { run_.reset(); }

void LayoutTest::theScreenIs96Dpi() {
    QCOMPARE(window("frmMain")->logicalDpiX(), 96);
    QCOMPARE(window("frmMain")->logicalDpiY(), 96);
    QCOMPARE(window("frmMain")->devicePixelRatio(), 1.0);
}

void LayoutTest::theStartScreenIsAsDesigned() {
    QWidget* start = window("frmMain");
    auto* client = start->findChild<QWidget*>("client");
    auto* menuBar = start->findChild<QMenuBar*>("menuBar");
    QCOMPARE(client->geometry(), QRect(0, menuBar->height(), 218, 67));
    QCOMPARE(start->size(), QSize(218, menuBar->height() + 67));
    for (const Placed& control : kStartScreen) {
        QCOMPARE(client->findChild<QWidget*>(control.name)->geometry(), pixelsOf(control.twips));
    }
}

void LayoutTest::theMatchScreenIsAsDesigned() {
    QWidget* screen = openMatch("Lions", "Tigers");
    QVERIFY(screen);
    QCOMPARE(screen->size(), QSize(376, 474));
    for (const auto& design : match::matchScreenDesign()) {
        auto* widget = screen->findChild<QWidget*>(QString::fromStdString(design.name));
        QVERIFY2(widget, design.name.c_str());
        QCOMPARE(widget->geometry(), pixelsOf(design.position));
    }
}

void LayoutTest::thePlayAgainDialogIsAsDesigned() {
    run_->session.forms().Show("frmPlayAgain");
    QWidget* dialog = visibleWindow("frmPlayAgain");
    QVERIFY(dialog);
    QCOMPARE(dialog->size(), QSize(239, 89));
    for (const Placed& control : kPlayAgain) {
        QCOMPARE(dialog->findChild<QWidget*>(control.name)->geometry(), pixelsOf(control.twips));
    }
}

// A label shows its caption whole, on one line, within its bounds.
void verifyWhole(QLabel* label, const QString& caption) {
    const QFontMetrics metrics(label->font());
    QCOMPARE(label->text(), caption);
    QVERIFY2(metrics.horizontalAdvance(caption) <= label->contentsRect().width(),
             qPrintable(label->objectName()));
    QVERIFY2(metrics.height() <= label->contentsRect().height(), qPrintable(label->objectName()));
}

// A plain button's caption fits inside the frame the style draws around it.
void verifyWhole(QAbstractButton* button) {
    QStyleOptionButton option;
    option.initFrom(button);
    const QRect area =
        button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    const QFontMetrics metrics(button->font());
    const QString shown = QString(button->text()).remove('&');
    QVERIFY2(metrics.horizontalAdvance(shown) <= area.width(), qPrintable(button->objectName()));
    QVERIFY2(metrics.height() <= area.height(), qPrintable(button->objectName()));
}

void LayoutTest::noCaptionIsClipped() {
    verifyWhole(buttonOf(window("frmMain"), "cmdBailwood2"));

    // An eleven-letter name on a team label and wrapped on the innings button.
    QWidget* screen = openMatch("Northampton", "Leicestersh");
    QVERIFY(screen);
    const auto label = [&](const char* name) { return screen->findChild<QLabel*>(name); };
    verifyWhole(label("lblTotal1"), "Total Runs:");
    verifyWhole(label("lblTotal2"), "Total Runs:");
    verifyWhole(label("lblWickets1"), "Wickets:");
    verifyWhole(label("lblTitle"), "Bailwood 2");
    verifyWhole(label("lblTeam1"), "Northampton");
    verifyWhole(label("lblTeam2"), "Leicestersh");
    auto* innings = static_cast<rt::qt::CaptionButton*>(buttonOf(screen, "cmdInn1"));
    QCOMPARE(innings->caption(), QString("Play Northampton's innings."));
    innings->grab();  // the caption is fitted as it is painted
    QVERIFY2(innings->toolTip().isEmpty(), "the innings button elided its caption");

    // Runs that a long innings can reach still fit their labels.
    auto& scoreboard = static_cast<match::FrmBailwood2*>(screen)->scoreboard();
    scoreboard.lblTR(1).setCaption("1234");
    scoreboard.lblPR(1, 1).setCaption("567");
    verifyWhole(label("lblTR1"), "1234");
    verifyWhole(label("lblP1R1"), "567");
    scoreboard.lblPT(11, 1).setVisible(true);
    verifyWhole(label("lblP11T1"), "Player 11");

    run_->session.forms().Show("frmPlayAgain");
    QWidget* dialog = visibleWindow("frmPlayAgain");
    QVERIFY(dialog);
    verifyWhole(dialog->findChild<QLabel*>("Label1"), "Do you want to play again?");
    verifyWhole(buttonOf(dialog, "cmdYes"));
    verifyWhole(buttonOf(dialog, "cmdNo"));
}

}  // namespace
}  // namespace bw::testing

QTEST_MAIN(bw::testing::LayoutTest)
#include "layout_test.moc"
