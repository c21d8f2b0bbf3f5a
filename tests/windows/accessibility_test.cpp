// The match screen as a screen reader and a keyboard user meet it: the accessibility tree
// names every shown control out of context, and the keyboard alone plays a whole match.
#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QtTest>
#include <map>
#include <memory>

#include "match/view/frm_bailwood2.h"
#include "tests/support/program_run.h"

static void registerIcons() { Q_INIT_RESOURCE(icons); }

namespace bw::testing {
namespace {

struct Heard {
    QString name;
    QString value;
    QAccessible::Role role;
};

class AccessibilityTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { registerIcons(); }
    void init();
    void cleanup();

    void theTreeNamesEveryShownControl();
    void pressingTheButtonThroughTheTreeBowls();

  private:
    QWidget* openMatch() { return run_->openMatch(); }
    QWidget* match() { return run_->session.window("frmBailwood2"); }
    // The match screen's children in the accessibility tree, by object name.
    std::map<QString, Heard> tree();
    void click(const char* button, int roll);

    std::unique_ptr<ProgramRun> run_;
};

void AccessibilityTest::init() { run_ = std::make_unique<ProgramRun>(); }

void AccessibilityTest::cleanup() { run_.reset(); }

std::map<QString, Heard> AccessibilityTest::tree() {
    std::map<QString, Heard> heard;
    QAccessibleInterface* screen = QAccessible::queryAccessibleInterface(match());
    for (int i = 0; i < screen->childCount(); ++i) {
        QAccessibleInterface* child = screen->child(i);
        heard[child->object()->objectName()] = {child->text(QAccessible::Name),
                                                child->text(QAccessible::Value), child->role()};
    }
    return heard;
}

void AccessibilityTest::click(const char* button, int roll) {
    run_->random.pushRoll(roll);
    QTest::mouseClick(buttonOf(match(), button), Qt::LeftButton);
}

void AccessibilityTest::theTreeNamesEveryShownControl() {
    QVERIFY(openMatch());
    click("cmdInn1", 50);  // two runs to player 1
    click("cmdInn1", 95);  // player 1 out, player 2 in
    click("cmdInn1", 10);  // one run to player 2
    const auto heard = tree();

    // What a person does not see is not in the tree.
    for (const char* hidden :
         {"lblCounter", "lblResult", "lblWkts", "lblP3T1", "lblP1T2", "cmdInn2"}) {
        QVERIFY2(!heard.count(hidden), hidden);
    }
    for (const auto& [object, spoken] : heard) {
        QVERIFY2(!spoken.name.isEmpty(), qPrintable(object));
    }

    const auto says = [&](const char* object, const QString& name, const QString& value) {
        QVERIFY2(heard.count(object), object);
        QCOMPARE(heard.at(object).name, name);
        QCOMPARE(heard.at(object).value, value);
    };
    says("lblTitle", "Bailwood 2", "");
    says("lblTeam1", "Team 1", "Lions");
    says("lblTeam2", "Team 2", "Tigers");
    says("lblP1T1", "Player 1 of Lions", "out");
    says("lblP2T1", "Player 2 of Lions", "batting");
    says("lblP1R1", "Player 1 of Lions, runs", "2");
    says("lblP2R1", "Player 2 of Lions, runs", "1, batting");
    says("lblP3R1", "Player 3 of Lions, runs", "yet to bat");
    says("lblP1R2", "Player 1 of Tigers, runs", "yet to bat");
    says("lblTR1", "Lions, total runs", "3");
    says("lblTotal1", "Lions, total runs", "3");
    says("lblWT1", "Lions, wickets", "1");
    says("lblWickets1", "Lions, wickets", "1");
    says("lblTR2", "Tigers, total runs", "none");
    says("cmdInn1", "Play Lions's innings.", "runs 3, wickets 1");
    QCOMPARE(heard.at("cmdInn1").role, QAccessible::Button);
    QCOMPARE(heard.at("lblP2R1").role, QAccessible::StaticText);

    // A wicket with nothing scored since: the new batsman is in with an empty runs label.
    click("cmdInn1", 95);
    QCOMPARE(tree().at("lblP3R1").value, QString("no runs yet, batting"));
    QCOMPARE(tree().at("lblP2T1").value, QString("out"));
}

void AccessibilityTest::pressingTheButtonThroughTheTreeBowls() {
    QVERIFY(openMatch());
    run_->random.pushRoll(50);
    QAccessibleInterface* button =
        QAccessible::queryAccessibleInterface(buttonOf(match(), "cmdInn1"));
    QVERIFY(button->actionInterface());
    QVERIFY(button->actionInterface()->actionNames().contains(
        QAccessibleActionInterface::pressAction()));
    button->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(tree().at("lblP1R1").value, QString("2, batting"));
}

}  // namespace
}  // namespace bw::testing

QTEST_MAIN(bw::testing::AccessibilityTest)
#include "accessibility_test.moc"
