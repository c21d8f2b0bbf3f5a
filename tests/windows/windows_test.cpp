// The three windows on the offscreen platform: how each looks against the numbers it is drawn
// with, and a match played through them with every widget mirroring the model after each click.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPixmapCache>
#include <QScreen>
#include <QWindow>
#include <QtTest>
#include <memory>

#include "app/bailwood2.h"
#include "match/view/frm_bailwood2.h"
#include "runtime/qt/caption_widgets.h"
#include "runtime/qt/presentation.h"
#include "tests/support/program_run.h"

namespace bw::testing {
namespace {

const QColor kYellow(255, 255, 0), kRed(255, 0, 0), kOrange(255, 128, 0), kGreen(0, 128, 0);
constexpr Qt::Alignment kLeft = Qt::AlignLeft, kCentre = Qt::AlignHCenter, kRight = Qt::AlignRight;

// A control as it is designed: twips (15 to a pixel at 96 dpi), text or face colour (none
// for the platform's own), alignment and font.
struct Designed {
    QString name;
    QRect twips;
    QColor colour;
    Qt::Alignment alignment;
    double points;
    bool bold;
    bool underline = false;
};

QRect pixels(const QRect& twips) {
    return {twips.x() / 15, twips.y() / 15, twips.width() / 15, twips.height() / 15};
}

std::vector<Designed> matchScreenDesign() {
    std::vector<Designed> d = {
        {"lblTitle", {1215, 0, 2925, 435}, kGreen, kCentre, 18, true, true},
        {"lblTeam1", {120, 720, 1935, 255}, kOrange, kCentre, 9.75, true},
        {"lblTeam2", {3480, 720, 1935, 255}, kOrange, kCentre, 9.75, true},
        {"lblTotal1", {120, 5280, 1215, 255}, kRed, kRight, 9.75, true},
        {"lblTR1", {1440, 5280, 615, 255}, kRed, kCentre, 8.25, true},
        {"lblWickets1", {120, 5520, 1215, 255}, kRed, kRight, 9.75, true},
        {"lblWT1", {1440, 5520, 615, 255}, kRed, kCentre, 8.25, true},
        {"lblTotal2", {3480, 5280, 1215, 255}, kRed, kRight, 9.75, true},
        {"lblTR2", {4800, 5280, 615, 255}, kRed, kCentre, 8.25, true},
        {"lblWickets2", {3480, 5520, 1215, 255}, kRed, kRight, 9.75, true},
        {"lblWT2", {4800, 5520, 615, 255}, kRed, kCentre, 8.25, true},
        {"cmdInn1", {120, 6120, 1215, 855}, kGreen, kCentre, 8.25, true},
        {"lblCounter", {1560, 6120, 615, 495}, {}, kLeft, 8.25, false},
        {"lblResult", {2520, 6120, 615, 495}, {}, kLeft, 8.25, false},
        {"cmdInn2", {3480, 6120, 1215, 855}, kGreen, kCentre, 8.25, true},
        {"lblWkts", {4920, 6120, 615, 495}, {}, kLeft, 8.25, false},
    };
    for (int t = 1; t <= 2; ++t) {
        for (int n = 1; n <= 11; ++n) {
            const int top = 1200 + 360 * (n - 1);
            d.push_back({QString("lblP%1T%2").arg(n).arg(t),
                         {t == 1 ? 120 : 3480, top, 1215, 255},
                         kYellow,
                         kLeft,
                         9.75,
                         false});
            d.push_back({QString("lblP%1R%2").arg(n).arg(t),
                         {t == 1 ? 1440 : 4800, top, 615, 255},
                         kYellow,
                         kCentre,
                         8.25,
                         false});
        }
    }
    return d;
}

void verifyDesigned(QWidget* window, const Designed& c) {
    auto* widget = window->findChild<QWidget*>(c.name);
    QVERIFY2(widget, qPrintable(c.name));
    const QByteArray name = c.name.toUtf8();
    QVERIFY2(widget->geometry() == pixels(c.twips), name);
    QVERIFY2(widget->font().families().value(0) == "MS Sans Serif", name);
    QVERIFY2(widget->font().pointSizeF() == c.points, name);
    QVERIFY2(widget->font().bold() == c.bold && widget->font().underline() == c.underline, name);
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        QVERIFY2((label->alignment() & Qt::AlignHorizontal_Mask) == c.alignment, name);
        QVERIFY2(label->autoFillBackground() == !c.colour.isValid(), name);
        if (c.colour.isValid())
            QVERIFY2(label->palette().color(QPalette::WindowText) == c.colour, name);
    } else {
        QVERIFY2(widget->palette().color(QPalette::Button) == c.colour, name);
    }
}

bool centredOnScreen(QWidget* w) {
    return (w->geometry().center() - w->screen()->availableGeometry().center()).manhattanLength() <=
           4;
}

void chooseFromMenu(QMenuBar* bar, QMenu* menu, QAction* entry) {
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(menu->menuAction()).center());
    QVERIFY(menu->isVisible());
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(entry).center());
}

class WindowsTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { run_ = std::make_unique<ProgramRun>(); }
    void cleanup() { run_.reset(); }

    void theStartScreenIsAsDesigned();
    void theStartScreenOpensAMatch_data();
    void theStartScreenOpensAMatch();
    void theStartScreenEndsTheProgram_data();
    void theStartScreenEndsTheProgram();
    void theMatchScreenIsAsDesigned();
    void aMatchPlaysThroughTheWindows();
    void theKeyboardAlonePlaysAMatch();
    void aFailedConversionShowsTheErrorBoxAndEnds();
    void thePlayAgainDialogIsAsDesigned();
    void thePlayAgainDialogAnswers_data();
    void thePlayAgainDialogAnswers();
    void captionsFitOrAreElidedWithinTheirBounds();
    void drawnAtTheScreensResolution();
    void closedWindowsDoNotPileUpInThePixmapCache();

  private:
    QWidget* start() { return run_->window("frmMain"); }
    QAction* action(const char* name) { return start()->findChild<QAction*>(name); }
    QMenuBar* menuBar() { return start()->findChild<QMenuBar*>(); }
    QMenu* fileMenu() { return start()->findChild<QMenu*>("mnuFile"); }
    // Lions make 2 and are all out; Tigers are all out for nothing.
    void playAMatch();
    // A dialog button by a click or by its access key.
    void press(const char* name, const QString& how, Qt::Key key);

    std::unique_ptr<ProgramRun> run_;
};

void WindowsTest::playAMatch() {
    QVERIFY(run_->openMatch());
    run_->playInnings({50});
    run_->playInnings();
    QVERIFY(visibleWindow("frmPlayAgain"));
}

void WindowsTest::press(const char* name, const QString& how, Qt::Key key) {
    QWidget* dialog = run_->window("frmPlayAgain");
    if (how == "click") {
        QTest::mouseClick(buttonOf(dialog, name), Qt::LeftButton);
        return;
    }
    QVERIFY(QTest::qWaitForWindowActive(dialog));
    QTest::keyClick(dialog, key, Qt::AltModifier);
    // An access key presses the button visibly first; the click follows from the loop.
    QTRY_VERIFY(!run_->window("frmPlayAgain"));
}

void WindowsTest::theStartScreenIsAsDesigned() {
    QWidget* w = start();
    QVERIFY(w->isVisible());
    QVERIFY(centredOnScreen(w));
    QCOMPARE(w->windowHandle()->title(), QString("Bailwood 2"));
    QCOMPARE(w->windowFlags() & (Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint |
                                 Qt::WindowCloseButtonHint),
             Qt::WindowCloseButtonHint);
    // The client area below the menu bar is 3270 x 1005 twips and cannot be resized.
    QMenuBar* bar = menuBar();
    QCOMPARE(w->size(), QSize(218, bar->height() + 67));
    w->resize(w->size() + QSize(100, 100));
    QCOMPARE(w->size(), QSize(218, bar->height() + 67));
    const QImage image = w->grab().toImage();
    for (QPoint p : {QPoint(2, bar->height() + 2), QPoint(215, bar->height() + 64)})
        QCOMPARE(image.pixelColor(p), kGreen);

    auto* button = buttonOf(w, "cmdBailwood2");
    QCOMPARE(button->text(), QString("&Play Bailwood 2"));
    QCOMPARE(button->mapTo(w, QPoint(0, 0)), QPoint(16, bar->height() + 16));
    QCOMPARE(button->size(), QSize(185, 33));
    QCOMPARE(button->font().pointSizeF(), 9.75);
    QVERIFY(button->font().bold());
    QStringList entries;
    for (QAction* a : bar->actions()) entries << a->text();
    for (QAction* a : fileMenu()->actions()) entries << (a->isSeparator() ? "-" : a->text());
    QCOMPARE(entries, QStringList({"&File", "E&xit", "&Play Bailwood 2", "-", "E&xit"}));
}

void WindowsTest::theStartScreenOpensAMatch_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("button") << "button";
    QTest::newRow("Alt+P") << "Alt+P";
    QTest::newRow("File, Play Bailwood 2") << "menu";
    QTest::newRow("Alt+F, P") << "Alt+F P";
}

void WindowsTest::theStartScreenOpensAMatch() {
    QFETCH(QString, how);
    QVERIFY(QTest::qWaitForWindowActive(start()));
    run_->answerer.names("Lions", "Tigers");
    if (how == "button") {
        QTest::mouseClick(buttonOf(start(), "cmdBailwood2"), Qt::LeftButton);
    } else if (how == "Alt+P") {
        QTest::keyClick(start(), Qt::Key_P, Qt::AltModifier);
    } else if (how == "menu") {
        chooseFromMenu(menuBar(), fileMenu(), action("mnuPBailwood2"));
    } else {
        QTest::keyClick(start(), Qt::Key_F, Qt::AltModifier);
        QVERIFY(fileMenu()->isVisible());
        QTest::keyClick(fileMenu(), Qt::Key_P);
    }
    QTRY_VERIFY(visibleWindow("frmBailwood2"));

    const auto& shown = run_->answerer.shown();
    QCOMPARE(shown.size(), std::size_t{2});
    for (const BoxShown& box : shown) {
        QCOMPARE(box.kind, BoxKind::Input);
        QCOMPARE(box.title, QString("Enter Team Name"));
        // The start screen stays up while the names are asked for.
        QCOMPARE(box.windowsVisible, QStringList({"frmMain"}));
    }
    QCOMPARE(shown[0].text, QString("Please Enter the Name of the first team competing?"));
    QCOMPARE(shown[1].text, QString("Please Enter the Name of the second team competing?"));
    QCOMPARE(visibleProgramWindows(), QStringList({"frmBailwood2"}));
    QCOMPARE(run_->caption("lblTeam1"), QString("Lions"));
    QCOMPARE(run_->caption("lblTeam2"), QString("Tigers"));
}

void WindowsTest::theStartScreenEndsTheProgram_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("File, Exit") << "File Exit";
    QTest::newRow("Exit on the menu bar") << "Exit";
    QTest::newRow("Alt+X") << "Alt+X";
    QTest::newRow("close button") << "close";
}

void WindowsTest::theStartScreenEndsTheProgram() {
    QFETCH(QString, how);
    QVERIFY(QTest::qWaitForWindowActive(start()));
    if (how == "File Exit") {
        chooseFromMenu(menuBar(), fileMenu(), action("mnuPExit"));
    } else if (how == "Exit") {
        QTest::mouseClick(menuBar(), Qt::LeftButton, {},
                          menuBar()->actionGeometry(action("mnuExit")).center());
    } else if (how == "Alt+X") {
        QTest::keyClick(start(), Qt::Key_X, Qt::AltModifier);
    } else {
        start()->windowHandle()->close();
    }
    QCOMPARE(run_->session.endings(), 1);
    QCOMPARE(run_->session.endStatus(), 0);
    QVERIFY(run_->answerer.shown().empty());
    QCOMPARE(visibleProgramWindows(), QStringList());
}

void WindowsTest::theMatchScreenIsAsDesigned() {
    QWidget* w = run_->openMatch();
    QVERIFY(w);
    QVERIFY(centredOnScreen(w));
    QCOMPARE(w->size(), QSize(376, 474));
    QCOMPARE(w->windowFlags() & (Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint),
             Qt::WindowMinimizeButtonHint);
    QCOMPARE(w->grab().toImage().pixelColor(3, 3), QColor(0, 64, 0));
    for (const Designed& control : matchScreenDesign()) verifyDesigned(w, control);
    QVERIFY2(run_->mirror().isEmpty(), qPrintable(run_->mirror()));
    QTRY_COMPARE(QApplication::focusWidget(), buttonOf(w, "cmdInn1"));
}

void WindowsTest::aMatchPlaysThroughTheWindows() {
    QVERIFY(run_->openMatch("<b>x</b> & [*]", "Tigers"));
    // A hidden button cannot be clicked, even by a click that still reaches it.
    const auto hiddenClickBowlsNothing = [this](const char* name) {
        const int draws = run_->random.nextCalls;
        run_->button("frmBailwood2", name)->click();
        QCOMPARE(run_->random.nextCalls, draws);
    };
    hiddenClickBowlsNothing("cmdInn2");
    run_->playInnings({50, 95, 85});
    // The names show literally: no markup, no access key, no title marker.
    QCOMPARE(run_->match()->windowHandle()->title(),
             QString("Bailwood - Now playing <b>x</b> & [*]'s innings."));
    QCOMPARE(run_->button("frmBailwood2", "cmdInn1")->text(),
             QString("Play <b>x</b> && [*]'s innings."));
    hiddenClickBowlsNothing("cmdInn1");
    run_->playInnings({10});
    QCOMPARE(visibleCount("frmPlayAgain"), 1);

    const auto& shown = run_->answerer.shown();
    QCOMPARE(shown.size(), std::size_t{4});
    QCOMPARE(shown[2].title, QString("End of <b>x</b> & [*]'s Innings"));
    QCOMPARE(shown[2].text, QString("That's the end of <b>x</b> & [*]'s innings. Tigers needs 9 "
                                    "runs to win. Can Tigers beat them?"));
    QCOMPARE(shown[2].icon, QMessageBox::NoIcon);
    QCOMPARE(shown[3].title, QString("End of Match!"));
    QCOMPARE(shown[3].text, QString("The match is over!\n<b>x</b> & [*] has beaten Tigers by 7 "
                                    "runs.\n"));
    QCOMPARE(shown[3].icon, QMessageBox::Information);
    for (int box = 2; box < 4; ++box) {
        QCOMPARE(shown[box].textFormat, Qt::PlainText);
        // The match screen stays behind the box; the dialog follows once it is answered.
        QCOMPARE(shown[box].windowsVisible, QStringList({"frmBailwood2"}));
    }
    hiddenClickBowlsNothing("cmdInn2");
    QCOMPARE(visibleCount("frmPlayAgain"), 1);
}

void WindowsTest::theKeyboardAlonePlaysAMatch() {
    QVERIFY(run_->openMatch());
    // Space on whatever has the focus bowls; Enter closes each box; Alt+N ends.
    run_->answerer.setFallback(BoxAnswer::cancel(), BoxAnswer::enter());
    run_->random.pushRoll(95);
    for (const char* innings : {"cmdInn1", "cmdInn2"}) {
        QTRY_COMPARE(QApplication::focusWidget(), run_->button("frmBailwood2", innings));
        for (int ball = 0; ball < 11; ++ball)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    }
    QCOMPARE(run_->answerer.count(BoxKind::Message), 2);
    QTRY_VERIFY(visibleWindow("frmPlayAgain"));
    press("cmdNo", "Alt+N", Qt::Key_N);
    QCOMPARE(visibleProgramWindows(), QStringList({"frmMain"}));
}

void WindowsTest::aFailedConversionShowsTheErrorBoxAndEnds() {
    QVERIFY(run_->openMatch());
    for (int w = 0; w < 10; ++w) run_->bowl({95});
    // The target is read strictly: a total that is not a number is a run-time error.
    run_->match()->scoreboard().lblTR(1).setCaption("abc");
    run_->random.pushRoll(95);
    QTest::mouseClick(run_->button("frmBailwood2", "cmdInn1"), Qt::LeftButton);
    QCOMPARE(run_->session.endings(), 1);
    QCOMPARE(run_->session.endStatus(), 1);
    const BoxShown& error = run_->answerer.shown().back();
    QCOMPARE(error.icon, QMessageBox::Critical);
    QCOMPARE(error.title, QString("Bailwood 2"));
    QVERIFY(error.text.startsWith("Run-time error '13':"));
    QVERIFY(visibleProgramWindows().isEmpty());
}

void WindowsTest::thePlayAgainDialogIsAsDesigned() {
    playAMatch();
    QWidget* dialog = visibleWindow("frmPlayAgain");
    QVERIFY(centredOnScreen(dialog));
    QCOMPARE(dialog->windowHandle()->title(), QString("Play Again?"));
    QCOMPARE(dialog->size(), QSize(239, 89));
    QVERIFY(!dialog->windowIcon().isNull());
    auto* question = dialog->findChild<QLabel*>("Label1");
    QCOMPARE(question->text(), QString("Do you want to play again?"));
    QCOMPARE(question->geometry(), pixels({120, 120, 3285, 300}));
    QCOMPARE(question->palette().color(QPalette::WindowText), kOrange);
    QCOMPARE(question->font().pointSizeF(), 12.0);
    QVERIFY(question->font().bold());
    QCOMPARE(buttonOf(dialog, "cmdYes")->text(), QString("&Yes"));
    QCOMPARE(buttonOf(dialog, "cmdYes")->geometry(), pixels({240, 600, 1215, 495}));
    QCOMPARE(buttonOf(dialog, "cmdNo")->text(), QString("&No"));
    QCOMPARE(buttonOf(dialog, "cmdNo")->geometry(), pixels({2040, 600, 1215, 495}));
    QCOMPARE(buttonOf(dialog, "cmdYes")->nextInFocusChain(), buttonOf(dialog, "cmdNo"));
}

void WindowsTest::thePlayAgainDialogAnswers_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("Yes") << "click Yes";
    QTest::newRow("Alt+Y") << "Alt+Y";
    QTest::newRow("No") << "click No";
}

void WindowsTest::thePlayAgainDialogAnswers() {
    QFETCH(QString, how);
    start()->move(start()->pos() + QPoint(37, 23));
    const QPoint where = start()->pos();
    playAMatch();
    QPointer<QWidget> oldMatch = run_->match();
    QPointer<QWidget> dialog = run_->window("frmPlayAgain");
    run_->answerer.names("Emus", "Kiwis");
    if (how == "click No") {
        press("cmdNo", "click", Qt::Key_N);
        QCOMPARE(visibleProgramWindows(), QStringList({"frmMain"}));
        QCOMPARE(start()->pos(), where);
        QCOMPARE(run_->answerer.shown().size(), std::size_t{4});
    } else {
        press("cmdYes", how == "Alt+Y" ? "Alt+Y" : "click", Qt::Key_Y);
        const auto& shown = run_->answerer.shown();
        QCOMPARE(shown.size(), std::size_t{6});
        QCOMPARE(shown[4].text, QString("Please Enter the Name of the first team competing?"));
        // The old match and the dialog are gone before the first name box opens.
        QCOMPARE(shown[4].windowsVisible, QStringList());
        QCOMPARE(shown[5].windowsVisible, QStringList());
        QCOMPARE(visibleProgramWindows(), QStringList({"frmBailwood2"}));
        QCOMPARE(run_->match()->windowHandle()->title(), QString("Bailwood 2"));
        QCOMPARE(run_->caption("lblTeam1"), QString("Emus"));
        for (const char* empty : {"lblTR1", "lblTR2", "lblWT1", "lblWT2", "lblP1R1", "lblP1R2"})
            QVERIFY2(run_->caption(empty).isEmpty(), empty);
        QVERIFY(run_->button("frmBailwood2", "cmdInn1")->isVisible());
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(oldMatch.isNull() && dialog.isNull());
    QCOMPARE(topLevelCount("frmPlayAgain"), 0);
    QCOMPARE(run_->session.endings(), 0);
}

void WindowsTest::captionsFitOrAreElidedWithinTheirBounds() {
    const QString longName = "The Royal Worshipful Company of Very Long Team Names Eleven";
    QWidget* w = run_->openMatch("Northampton", longName);
    QVERIFY(w);
    // The longest fixed captions and an eleven-letter name show whole.
    for (const char* name : {"lblTitle", "lblTotal1", "lblWickets2", "lblTeam1"}) {
        auto* label = w->findChild<QLabel*>(name);
        QVERIFY2(label->text() == run_->caption(name) && label->toolTip().isEmpty(), name);
        QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(), name);
    }
    auto* innings = w->findChild<rt::qt::CaptionButton*>("cmdInn1");
    innings->grab();  // the caption is fitted as it is painted
    QVERIFY(innings->toolTip().isEmpty());

    // A name too long for its label is elided in place, whole in the tooltip.
    auto* team = w->findChild<QLabel*>("lblTeam2");
    QCOMPARE(team->geometry(), pixels({3480, 720, 1935, 255}));
    QVERIFY(team->text().endsWith(QChar(0x2026)));
    QVERIFY(longName.startsWith(team->text().chopped(1)));
    QCOMPARE(team->toolTip(), longName);

    // A caption that fits in one font is measured again in another.
    auto* runs = w->findChild<QLabel*>("lblP1R1");
    run_->match()->scoreboard().lblPR(1, 1).setCaption("8888");
    QCOMPARE(runs->text(), QString("8888"));
    QFont big = runs->font();
    big.setPointSizeF(24);
    runs->setFont(big);
    QCOMPARE(runs->toolTip(), QString("8888"));
}

// At any scale (the suite also runs at 2x) the windows are drawn at the screen's resolution.
void WindowsTest::drawnAtTheScreensResolution() {
    QWidget* w = run_->openMatch();
    QVERIFY(w);
    const qreal ratio = w->devicePixelRatio();
    QCOMPARE(w->grab().size(), QSize(376, 474) * ratio);
    QCOMPARE(QApplication::primaryScreen()->logicalDotsPerInch(), 96.0);
    const QIcon icon = rt::qt::svgIcon(app::Bailwood2Project().iconPath);
    for (int side : {16, 32, 48, 256})
        QCOMPARE(icon.pixmap(QSize(side, side), ratio).size(), QSize(side, side) * ratio);
    run_->playInnings();
    run_->playInnings();
    const QIcon question = visibleWindow("frmPlayAgain")->windowIcon();
    QCOMPARE(question.pixmap(QSize(32, 32), ratio).size(), QSize(32, 32) * ratio);
}

// Every loaded window brings palettes of its own; the button faces drawn for closed ones
// must not pile up to Qt's 10 MiB default over a long session.
void WindowsTest::closedWindowsDoNotPileUpInThePixmapCache() {
    QCOMPARE(QPixmapCache::cacheLimit(), 2048);
}

}  // namespace
}  // namespace bw::testing

QTEST_MAIN(bw::testing::WindowsTest)
#include "windows_test.moc"
