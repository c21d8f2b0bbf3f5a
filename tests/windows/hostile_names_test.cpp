// Team names of every awkward kind, each played through a whole match in the real windows:
// taken exactly as typed or pasted and shown literally, as plain text, everywhere a name
// appears, without moving a single control.
#include <QApplication>
#include <QKeySequence>
#include <QLabel>
#include <QWindow>
#include <QtTest>
#include <memory>

#include "match/view/frm_bailwood2.h"
#include "runtime/qt/caption_widgets.h"
#include "runtime/qt/presentation.h"
#include "tests/support/program_run.h"
#include "tests/support/scoreboard_invariants.h"

static void registerIcons() { Q_INIT_RESOURCE(icons); }

namespace bw::testing {
namespace {

using rt::qt::CaptionButton;
using rt::qt::CaptionLabel;

class HostileNamesTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { registerIcons(); }
    void aWholeMatchShowsTheNamesLiterally_data();
    void aWholeMatchShowsTheNamesLiterally();

  private:
    void checkLabel(QWidget* match, const char* name, const QString& caption);
};

// The label holds the caption whole and shows it on one line, line breaks as blanks; elided
// when it does not fit. Whenever it shows less than the caption, the tooltip holds it all.
void HostileNamesTest::checkLabel(QWidget* match, const char* name, const QString& caption) {
    auto* label = match->findChild<CaptionLabel*>(name);
    QVERIFY(label);
    QCOMPARE(label->caption(), caption);
    QCOMPARE(label->textFormat(), Qt::PlainText);
    const QString line = QString(caption).replace('\n', ' ').replace('\r', ' ');
    const QString shown = label->text();
    if (shown != line) {
        QVERIFY2(shown.endsWith(QChar(0x2026)), qPrintable(shown));
        QVERIFY(line.startsWith(shown.chopped(1)));
    }
    QCOMPARE(label->toolTip(), shown == caption ? QString() : caption);
    QVERIFY(label->fontMetrics().horizontalAdvance(shown) <= label->width());
}

void HostileNamesTest::aWholeMatchShowsTheNamesLiterally_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("pasted");
    QTest::newRow("empty") << QString() << false;
    QTest::newRow("blanks only") << QString("   ") << false;
    QTest::newRow("one character") << QString("X") << false;
    QTest::newRow("10,000 characters") << QString("Wanderers ").repeated(1000) << true;
    QTest::newRow("emoji") << QString::fromUtf8("\U0001F3CF Bats \U0001F981") << false;
    QTest::newRow("combining marks") << QString::fromUtf8("Zoe\u0308 Ma\u0301laga") << false;
    QTest::newRow("right to left") << QString::fromUtf8("أسود لاهور") << false;
    QTest::newRow("mixed scripts") << QString::fromUtf8("Lions 北京 Ωμέγα ライオン") << false;
    QTest::newRow("image markup") << QString("<img src=x>") << false;
    QTest::newRow("bold markup") << QString("<b>x</b>") << false;
    QTest::newRow("ampersands") << QString("&&") << false;
    QTest::newRow("modified marker") << QString("[*]") << false;
    QTest::newRow("placeholder") << QString("%1") << false;
    QTest::newRow("tab") << QString("Red\tBlue") << true;
    QTest::newRow("pasted line breaks") << QString("North\nSouth\r\nEast") << true;
}

void HostileNamesTest::aWholeMatchShowsTheNamesLiterally() {
    QFETCH(QString, name);
    QFETCH(bool, pasted);
    const QString other = name + "2";
    ProgramRun run;
    if (pasted) {
        run.answerer.add(BoxAnswer::paste(name));
        run.answerer.add(BoxAnswer::paste(other));
    } else {
        run.answerer.names(name, other);
    }
    // Every control's bounds while the names are still being asked for.
    QHash<QString, QRect> bounds;
    run.answerer.whileOpen([&](const BoxShown& box) {
        QWidget* match = run.window("frmBailwood2");
        if (box.index != 0 || !match) return;
        for (QWidget* child : match->findChildren<QWidget*>()) {
            if (!child->objectName().isEmpty()) bounds[child->objectName()] = child->geometry();
        }
    });
    // Team 1 makes 6 and is all out; team 2 is all out for nothing.
    run.random.pushRoll(82);
    run.random.pushRoll(95);
    QTest::mouseClick(buttonOf(run.window("frmMain"), "cmdBailwood2"), Qt::LeftButton);
    auto* match = static_cast<match::FrmBailwood2*>(visibleWindow("frmBailwood2"));
    QVERIFY(match);
    QVERIFY(!bounds.isEmpty());

    checkLabel(match, "lblTeam1", name);
    checkLabel(match, "lblTeam2", other);
    auto* first = match->findChild<CaptionButton*>("cmdInn1");
    auto* second = match->findChild<CaptionButton*>("cmdInn2");
    QCOMPARE(first->caption(), "Play " + name + "'s innings.");
    QCOMPARE(first->text(), rt::qt::literalButtonText(first->caption().toStdString()));
    QVERIFY(QKeySequence::mnemonic(first->text()).isEmpty());

    ScoreboardInvariants invariants(match->scoreboard());
    const auto playInnings = [&](CaptionButton* button) {
        for (int guard = 0; guard < 20 && button->isVisible(); ++guard) {
            QTest::mouseClick(button, Qt::LeftButton);
            const std::string broken = invariants.afterClick();
            QVERIFY2(broken.empty(), broken.c_str());
        }
    };
    playInnings(first);
    QCOMPARE(match->windowHandle()->title(), "Bailwood - Now playing " + name + "'s innings.");
    QCOMPARE(second->caption(), "Play " + other + "'s innings.");
    QVERIFY(QKeySequence::mnemonic(second->text()).isEmpty());
    playInnings(second);
    QCOMPARE(match->windowHandle()->title(), "Bailwood - Now playing " + other + "'s innings.");

    const auto& shown = run.answerer.shown();
    QCOMPARE(shown.size(), std::size_t{4});
    QCOMPARE(shown[2].title, "End of " + name + "'s Innings");
    QCOMPARE(shown[2].text, "That's the end of " + name + "'s innings. " + other +
                                " needs 7 runs to win. Can " + other + " beat them?");
    QCOMPARE(shown[3].text,
             "The match is over!\n" + name + " has beaten " + other + " by 6 runs.\n");
    for (int box = 2; box < 4; ++box) QCOMPARE(shown[box].textFormat, Qt::PlainText);

    QCOMPARE(match->findChild<QLabel*>("lblTR1")->text(), QString("6"));
    QCOMPARE(match->findChild<QLabel*>("lblTR2")->text(), QString("0"));
    match->grab();
    for (QWidget* child : match->findChildren<QWidget*>()) {
        if (bounds.contains(child->objectName())) {
            QCOMPARE(child->geometry(), bounds[child->objectName()]);
        }
    }
    QVERIFY(visibleWindow("frmPlayAgain"));
    QTest::mouseClick(buttonOf(visibleWindow("frmPlayAgain"), "cmdNo"), Qt::LeftButton);
    QCOMPARE(visibleProgramWindows(), QStringList{"frmMain"});
}

}  // namespace
}  // namespace bw::testing

QTEST_MAIN(bw::testing::HostileNamesTest)
#include "hostile_names_test.moc"
