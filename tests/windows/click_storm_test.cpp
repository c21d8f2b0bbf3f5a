// Thousands of clicks on the innings buttons, as fast as they come: each innings takes its
// deliveries and not one more, nothing is bowled behind an open box, and each match ends
// with one result box and one play-again dialog.
#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QWindow>
#include <QtTest>
#include <memory>

#include "app/bailwood2.h"
#include "match/view/frm_bailwood2.h"
#include "tests/support/box_answerer.h"
#include "tests/support/scoreboard_invariants.h"
#include "tests/support/scripted_runtime.h"

static void registerIcons() { Q_INIT_RESOURCE(icons); }

namespace bw::testing {
namespace {

constexpr int kStorm = 2000;
constexpr int kDeliveriesOfTwoAllOutInnings = 22;

// Every roll a wicket, so both innings are over in eleven balls; counts the rolls taken while
// a box is open in front of the match screen.
class WatchedRandom final : public rt::Random {
  public:
    void rtcRandomize() override {}
    float rtcRandomNext() override {
        ++draws;
        if (QApplication::activeModalWidget()) ++drawsBehindABox;
        return ScriptedRandom::forRoll(95);
    }
    int draws = 0;
    int drawsBehindABox = 0;
};

class ClickStormTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { registerIcons(); }
    void init();
    void cleanup();

    void clickingOnAndOnBowlsOnlyTheDeliveriesOfEachInnings();
    void queuedClicksNeverBowlBehindABoxNorRepeatTheEnd();
    void clicksBehindAnOpenBoxAreBlocked();
    void aStormOfYesStartsOneNewMatch();

  private:
    match::FrmBailwood2* openMatch();
    QAbstractButton* innings(int t) { return buttonOf(match_, QString("cmdInn%1").arg(t)); }
    void queueClicks(QAbstractButton* button, int clicks);
    // Lets every queued click arrive, until that many message boxes have come and gone.
    void deliverTheStorm(int boxes);

    std::unique_ptr<WatchedRandom> random_;
    std::unique_ptr<BoxAnswerer> answerer_;
    std::unique_ptr<WindowSession> session_;
    QPointer<match::FrmBailwood2> match_;
};

void ClickStormTest::init() {
    random_ = std::make_unique<WatchedRandom>();
    answerer_ = std::make_unique<BoxAnswerer>();
    session_ = std::make_unique<WindowSession>(app::Bailwood2Project(), *random_);
}

void ClickStormTest::cleanup() {
    session_.reset();
    answerer_.reset();
    random_.reset();
}

match::FrmBailwood2* ClickStormTest::openMatch() {
    answerer_->names("Lions", "Tigers");
    QTest::mouseClick(buttonOf(session_->window("frmMain"), "cmdBailwood2"), Qt::LeftButton);
    match_ = static_cast<match::FrmBailwood2*>(visibleWindow("frmBailwood2"));
    return match_;
}

// Half as queued calls of click(), half as posted presses and releases of the mouse.
void ClickStormTest::queueClicks(QAbstractButton* button, int clicks) {
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

void ClickStormTest::deliverTheStorm(int boxes) {
    QTRY_COMPARE(answerer_->count(BoxKind::Message), boxes);
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

void ClickStormTest::clickingOnAndOnBowlsOnlyTheDeliveriesOfEachInnings() {
    QVERIFY(openMatch());
    ScoreboardInvariants invariants(match_->scoreboard());
    for (int t = 1; t <= 2; ++t) {
        QAbstractButton* button = innings(t);
        for (int i = 0; i < kStorm; ++i) {
            QTest::mouseClick(button, Qt::LeftButton);
            if (i < 12) {
                const std::string broken = invariants.afterClick();
                QVERIFY2(broken.empty(), broken.c_str());
            }
        }
        QCOMPARE(random_->draws, 11 * t);
        QCOMPARE(answerer_->count(BoxKind::Message), t);
    }
    QCOMPARE(visibleCount("frmPlayAgain"), 1);
    QCOMPARE(random_->drawsBehindABox, 0);
}

void ClickStormTest::queuedClicksNeverBowlBehindABoxNorRepeatTheEnd() {
    QVERIFY(openMatch());
    // Clicks for both buttons at once: the eleventh wicket opens the end-of-innings box, and
    // every click still queued arrives while it is open.
    queueClicks(innings(1), kStorm);
    queueClicks(innings(2), kStorm);
    deliverTheStorm(1);
    QCOMPARE(random_->draws, 11);
    QCOMPARE(match_->findChild<QLabel*>("lblWT1")->text(), QString("11"));
    QVERIFY(match_->findChild<QLabel*>("lblTR2")->text().isEmpty());

    // The chase: its closing delivery opens the result box in the middle of the storm.
    queueClicks(innings(2), kStorm);
    queueClicks(innings(1), kStorm);
    queueClicks(innings(2), kStorm);
    deliverTheStorm(2);
    QCOMPARE(random_->draws, kDeliveriesOfTwoAllOutInnings);
    QCOMPARE(random_->drawsBehindABox, 0);
    QCOMPARE(answerer_->shown().back().title, QString("End of Match!"));
    QCOMPARE(visibleCount("frmPlayAgain"), 1);
    QCOMPARE(match_->findChild<QLabel*>("lblWT2")->text(), QString("11"));
}

void ClickStormTest::clicksBehindAnOpenBoxAreBlocked() {
    QVERIFY(openMatch());
    // A person clicking on at the match screen while each box is up: the window system
    // holds those clicks back from the window behind the box.
    int boxes = 0;
    answerer_->whileOpen([&](const BoxShown& box) {
        if (box.kind != BoxKind::Message || !match_) return;
        ++boxes;
        for (int t = 1; t <= 2; ++t) {
            const QPoint at = innings(t)->mapTo(match_, innings(t)->rect().center());
            for (int i = 0; i < 50; ++i)
                QTest::mouseClick(match_->windowHandle(), Qt::LeftButton, {}, at);
        }
    });
    for (int t = 1; t <= 2; ++t) {
        for (int guard = 0; guard < 20 && innings(t)->isVisible(); ++guard) {
            QTest::mouseClick(match_->windowHandle(), Qt::LeftButton, {},
                              innings(t)->mapTo(match_, innings(t)->rect().center()));
        }
    }
    QTRY_VERIFY(visibleWindow("frmPlayAgain"));
    QCOMPARE(boxes, 2);
    QCOMPARE(random_->draws, kDeliveriesOfTwoAllOutInnings);
    QCOMPARE(random_->drawsBehindABox, 0);
}

void ClickStormTest::aStormOfYesStartsOneNewMatch() {
    QVERIFY(openMatch());
    queueClicks(innings(1), 20);
    deliverTheStorm(1);
    queueClicks(innings(2), 20);
    deliverTheStorm(2);
    QVERIFY(visibleWindow("frmPlayAgain"));

    answerer_->names("Emus", "Kiwis");
    QAbstractButton* yes = buttonOf(visibleWindow("frmPlayAgain"), "cmdYes");
    queueClicks(yes, 200);
    QTRY_COMPARE(answerer_->count(BoxKind::Input), 4);
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();

    QCOMPARE(answerer_->count(BoxKind::Input), 4);
    QCOMPARE(answerer_->remaining(), std::size_t{0});
    QCOMPARE(visibleProgramWindows(), QStringList{"frmBailwood2"});
    auto* next = visibleWindow("frmBailwood2");
    QCOMPARE(next->findChild<QLabel*>("lblTeam1")->text(), QString("Emus"));
    QVERIFY(buttonOf(next, "cmdInn1")->isVisible());
}

}  // namespace
}  // namespace bw::testing

QTEST_MAIN(bw::testing::ClickStormTest)
#include "click_storm_test.moc"
