// The three windows on the offscreen platform: how each looks against the numbers it is drawn
// with, and matches played through them with every widget mirroring the model after each click.
#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QFontInfo>
#include <QLabel>
#include <QMenuBar>
#include <QPointer>
#include <QScreen>
#include <QStyleOptionButton>
#include <QWindow>
#include <QtTest>

#include "app/bailwood2.h"
#include "match/view/frm_bailwood2.h"
#include "runtime/errors.h"
#include "runtime/qt/caption_widgets.h"
#include "runtime/qt/presentation.h"
#include "tests/support/program_run.h"

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace bw::testing {
namespace {

const QColor kYellow(255, 255, 0), kRed(255, 0, 0), kOrange(255, 128, 0), kGreen(0, 128, 0);
constexpr Qt::Alignment kLeft = Qt::AlignLeft, kCentre = Qt::AlignHCenter, kRight = Qt::AlignRight;

// A control as designed: its place in twips (15 to a pixel at 96 dpi) within its parent, its
// text or face colour (none: the platform's own), alignment and font.
struct Designed {
    QString name;
    QRect twips;
    QColor colour;
    Qt::Alignment alignment;
    double points;
    bool bold;
};

QRect pixels(const QRect& twips) {
    return {twips.x() / 15, twips.y() / 15, twips.width() / 15, twips.height() / 15};
}

std::vector<Designed> matchScreenDesign() {
    std::vector<Designed> d = {
        {"lblTitle", {1215, 0, 2925, 435}, kGreen, kCentre, 18, true},
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
    for (int n = 1; n <= 11; ++n) {
        for (int t = 1; t <= 2; ++t) {
            const int top = 1200 + 360 * (n - 1), left = t == 1 ? 120 : 3480;
            const auto player = [&](char kind) {
                return QString("lblP%1%2%3").arg(n).arg(kind).arg(t);
            };
            d.push_back({player('T'), {left, top, 1215, 255}, kYellow, kLeft, 9.75, false});
            d.push_back({player('R'), {left + 1320, top, 615, 255}, kYellow, kCentre, 8.25, 0});
        }
    }
    return d;
}

void verifyDesigned(QWidget* window, const Designed& c) {
    auto* widget = window->findChild<QWidget*>(c.name);
    const QByteArray name = c.name.toUtf8();
    // No size designed: the control sizes itself to its text, at its designed place.
    const QRect at = pixels(c.twips);
    QVERIFY2(widget && (at.isEmpty() ? widget->geometry().topLeft() == at.topLeft()
                                     : widget->geometry() == at),
             name);
    // The classic face where it is installed, else its closest free match.
    const QString face = QFontInfo(widget->font()).family();
    QVERIFY2(face == "MS Sans Serif" || face == "Liberation Sans",
             qPrintable(c.name + ": " + face));
    QVERIFY2(widget->font().pointSizeF() == c.points && widget->font().bold() == c.bold, name);
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        QVERIFY2((label->alignment() & Qt::AlignHorizontal_Mask) == c.alignment, name);
        QVERIFY2(label->autoFillBackground() == !c.colour.isValid(), name);
        if (c.colour.isValid())
            QVERIFY2(label->palette().color(QPalette::WindowText) == c.colour, name);
    } else if (c.colour.isValid()) {
        QVERIFY2(widget->palette().color(QPalette::Button) == c.colour, name);
    }
}

// Every shown label and button of the window shows its whole caption inside its bounds, drawn
// in the face expected, if one is named; `except` names labels allowed to be elided.
void verifyWhole(QWidget* window, const QStringList& except = {}) {
    const QString face = qEnvironmentVariable("BAILWOOD_FACE");
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        auto* label = qobject_cast<QLabel*>(widget);
        auto* button = qobject_cast<QPushButton*>(widget);
        if (!widget->isVisible() || (!label && !button) || except.contains(widget->objectName()))
            continue;
        const QByteArray name = widget->objectName().toUtf8();
        QVERIFY2(face.isEmpty() || QFontInfo(widget->font()).family() == face, name);
        QVERIFY2(widget->parentWidget()->rect().contains(widget->geometry()), name);
        widget->grab();  // a button's caption is fitted as it is painted
        QVERIFY2(widget->toolTip().isEmpty(), name);
        const QFontMetrics metrics = widget->fontMetrics();
        QRect room = widget->contentsRect();
        QString text = label ? label->text() : button->text().remove('&');
        if (button) {
            QStyleOptionButton option;
            option.initFrom(button);
            room = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        }
        // A literal caption button wraps its caption; the tooltip above says it fits.
        if (qobject_cast<rt::qt::CaptionButton*>(widget)) continue;
        QVERIFY2(!text.contains(QChar(0x2026)), name);
        QVERIFY2(metrics.horizontalAdvance(text) <= room.width(), name);
        QVERIFY2(metrics.height() <= room.height(), name);
    }
}

// Where a window opens, what frame it has (which of maximise, minimise and close buttons) and
// the colour of its client area near the top left.
void verifyWindow(QWidget* w, const QString& title, Qt::WindowFlags buttons, QColor colour) {
    const QPoint offCentre = w->geometry().center() - w->screen()->availableGeometry().center();
    QVERIFY(offCentre.manhattanLength() <= 4);
    QCOMPARE(w->windowHandle()->title(), title);
    QCOMPARE(w->windowFlags() & (Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint |
                                 Qt::WindowCloseButtonHint),
             buttons);
    const QPoint corner(3, w->height() - 3);
    if (colour.isValid()) QCOMPARE(w->grab().toImage().pixelColor(corner), colour);
}

#ifdef Q_OS_WIN
// What Qt's bridge is handed to speak at once, which it raises as a UI Automation notification:
// assertive ones as "important, all".
QStringList told;
bool allAssertive = true;

// UiaRootObjectId: what a UI Automation client asks a window for. MinGW's header that defines
// it names a parameter "new", so C++ cannot include it.
constexpr LPARAM kUiaRootObjectId = -25;

void recordTelling(QAccessibleEvent* event) {
    if (event->type() != QAccessible::Announcement) return;
    const auto* announcement = static_cast<QAccessibleAnnouncementEvent*>(event);
    told << announcement->message();
    allAssertive &= announcement->politeness() == QAccessible::AnnouncementPoliteness::Assertive;
}
#endif

class WindowsTest : public ProgramRunTest {
    Q_OBJECT

  private slots:
    void theWindowsAreAsDesigned();
    void theStartScreenOpensAMatchThenEndsTheProgram_data();
    void theStartScreenOpensAMatchThenEndsTheProgram();
    void aFailedConversionShowsTheErrorBoxAndEnds();
    void thePlayAgainDialogAnswers_data();
    void thePlayAgainDialogAnswers();
    void captionsFitOrAreElidedWithinTheirBounds();
    void theKeyboardAlonePlaysAMatchAsItIsHeard();

  private:
    QWidget* start() { return run_->window(Window::frmMain); }
    QMenuBar* menuBar() { return start()->findChild<QMenuBar*>(); }
    QMenu* fileMenu() { return start()->findChild<QMenu*>("mnuFile"); }
    // A menu entry of the start screen, chosen with the mouse or the keyboard.
    void choose(const QString& how, const char* entry, Qt::Key key);
};

void WindowsTest::choose(const QString& how, const char* entry, Qt::Key key) {
    QVERIFY(QTest::qWaitForWindowActive(start()));
    QAction* action = start()->findChild<QAction*>(entry);
    if (how == "button") {
        QTest::mouseClick(buttonOf(start(), "cmdBailwood2"), Qt::LeftButton);
    } else if (how == "access key") {
        QTest::keyClick(start(), key, Qt::AltModifier);
    } else if (how == "menu") {
        // Clicked through the window system, which tracks the pointer: from Qt 6.8 on, a menu
        // takes a click only where the pointer has moved since the menu opened.
        const auto click = [](QWidget* in, QPoint at) {
            QTest::mouseClick(in->window()->windowHandle(), Qt::LeftButton, {},
                              in->mapTo(in->window(), at));
        };
        const bool inFile = fileMenu()->actions().contains(action);
        click(menuBar(),
              menuBar()->actionGeometry(inFile ? fileMenu()->menuAction() : action).center());
        if (inFile) click(fileMenu(), fileMenu()->actionGeometry(action).center());
    } else {
        QTest::keyClick(start(), Qt::Key_F, Qt::AltModifier);
        QTest::keyClick(fileMenu(), key);
    }
}

void WindowsTest::theWindowsAreAsDesigned() {
    // The start screen: its client area below the menu bar, 3270 x 1005 twips, cannot be resized.
    verifyWindow(start(), "Bailwood 2", Qt::WindowCloseButtonHint, kGreen);
    const QSize designed(218, menuBar()->height() + 67);
    QCOMPARE(start()->size(), designed);
    start()->resize(designed + QSize(100, 100));
    QCOMPARE(start()->size(), designed);
    verifyDesigned(start(), {"cmdBailwood2", {240, 240, 2775, 495}, {}, kCentre, 9.75, true});
    QCOMPARE(buttonOf(start(), "cmdBailwood2")->text(), QString("&Play Bailwood 2"));
    QStringList entries;
    for (QAction* a : menuBar()->actions() + fileMenu()->actions())
        entries << (a->isSeparator() ? "-" : a->text());
    QCOMPARE(entries, QStringList({"&File", "E&xit", "&Play Bailwood 2", "-", "E&xit"}));
    // The menu bar keeps the platform's colours, not the window's green.
    QCOMPARE(menuBar()->grab().toImage().pixelColor(menuBar()->width() - 3, 3),
             QApplication::palette(menuBar()).color(QPalette::Window));

    QWidget* match = run_->openMatch();
    verifyWindow(match, "Bailwood 2", Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint,
                 QColor(0, 64, 0));
    QCOMPARE(match->size(), QSize(376, 474));
    for (const Designed& control : matchScreenDesign()) verifyDesigned(match, control);
    QVERIFY(match->findChild<QLabel*>("lblTitle")->font().underline());
    QVERIFY2(run_->mirror().isEmpty(), qPrintable(run_->mirror()));
    QTRY_COMPARE(QApplication::focusWidget(), buttonOf(match, "cmdInn1"));

    run_->playInnings();
    run_->playInnings();
    QWidget* dialog = visibleWindow("frmPlayAgain");
    verifyWindow(dialog, "Play Again?", Qt::WindowCloseButtonHint, {});
    QCOMPARE(dialog->size(), QSize(239, 89));
    // Icons drawn at the screen's resolution: the suite also runs at 2x.
    const qreal ratio = dialog->devicePixelRatio();
    for (const QIcon& icon :
         {rt::qt::bitmapIcon(app::Bailwood2Project().iconPath), dialog->windowIcon()})
        QCOMPARE(icon.pixmap(QSize(32, 32), ratio).size(), QSize(32, 32) * ratio);
    verifyDesigned(dialog, {"Label1", {120, 120, 0, 0}, kOrange, kCentre, 12, true});
    auto* question = dialog->findChild<QLabel*>("Label1");
    QCOMPARE(question->size(), QSize(question->fontMetrics().horizontalAdvance(question->text()),
                                     question->fontMetrics().height()));
    verifyDesigned(dialog, {"cmdYes", {240, 600, 1215, 495}, {}, kCentre, 8.25, false});
    verifyDesigned(dialog, {"cmdNo", {2040, 600, 1215, 495}, {}, kCentre, 8.25, false});
    QCOMPARE(dialog->findChild<QLabel*>("Label1")->text(), QString("Do you want to play again?"));
    QCOMPARE(buttonOf(dialog, "cmdYes")->text() + buttonOf(dialog, "cmdNo")->text(), "&Yes&No");
    QCOMPARE(buttonOf(dialog, "cmdYes")->nextInFocusChain(), buttonOf(dialog, "cmdNo"));
}

void WindowsTest::theStartScreenOpensAMatchThenEndsTheProgram_data() {
    QTest::addColumn<QString>("how");
    for (const char* how : {"button", "access key", "menu", "menu by keys"})
        QTest::newRow(how) << QString(how);
}

// Each way in opens a match and, once the match screen is closed, the same way out ends the
// program; "button" is then the start screen's close button.
void WindowsTest::theStartScreenOpensAMatchThenEndsTheProgram() {
    QFETCH(QString, how);
    run_->answerer.names("Lions", "Tigers");
    choose(how, "mnuPBailwood2", Qt::Key_P);
    QTRY_VERIFY(visibleWindow("frmBailwood2"));
    // The start screen stays up while the two names are asked for.
    QCOMPARE(run_->answerer.count(BoxKind::Input), 2);
    for (const BoxShown& box : run_->answerer.shown())
        QCOMPARE(box.windowsVisible, QStringList({"frmMain"}));
    QCOMPARE(visibleProgramWindows(), QStringList({"frmBailwood2"}));
    QCOMPARE(run_->caption("lblTeam1") + run_->caption("lblTeam2"), QString("LionsTigers"));

    run_->match()->windowHandle()->close();
    if (how == "button") {
        start()->windowHandle()->close();
    } else {
        choose(how, how == "menu by keys" ? "mnuPExit" : "mnuExit", Qt::Key_X);
    }
    QCOMPARE(run_->endings, 1);
    QCOMPARE(run_->endStatus, 0);
    QCOMPARE(run_->answerer.shown().size(), std::size_t{2});  // the names: no box on the way out
    QCOMPARE(visibleProgramWindows(), QStringList());
}

void WindowsTest::aFailedConversionShowsTheErrorBoxAndEnds() {
    QVERIFY(run_->openMatch());
    run_->bowl({95, 95, 95, 95, 95, 95, 95, 95, 95, 95});
    // The target is read strictly: a total that is not a number is a run-time error.
    run_->match()->scoreboard().lblTR(1).setCaption("abc");
    run_->random.pushRoll(95);
    QTest::mouseClick(run_->button(Window::frmBailwood2, "cmdInn1"), Qt::LeftButton);
    QCOMPARE(run_->endings, 1);
    QCOMPARE(run_->endStatus, 1);
    const BoxShown& error = run_->answerer.shown().back();
    QCOMPARE(error.icon, QMessageBox::Critical);
    QCOMPARE(error.title, QString("Bailwood 2"));
    QVERIFY(error.text.startsWith(QString("Run-time error '%1':").arg(rt::kTypeMismatch)));
    QVERIFY(visibleProgramWindows().isEmpty());
}

void WindowsTest::thePlayAgainDialogAnswers_data() {
    QTest::addColumn<QString>("how");
    for (const char* how : {"Yes", "Alt+Y", "No"}) QTest::newRow(how) << QString(how);
}

void WindowsTest::thePlayAgainDialogAnswers() {
    QFETCH(QString, how);
    start()->move(start()->pos() + QPoint(37, 23));
    const QPoint where = start()->pos();
    QVERIFY(run_->openMatch());
    run_->playInnings();
    run_->playInnings();
    QPointer<QWidget> oldMatch = run_->match();
    QPointer<QWidget> dialog = visibleWindow("frmPlayAgain");
    QVERIFY(dialog);
    // The first name is entered, then cancelled: the team is left without a name.
    run_->answerer.add({BoxAnswer::Action::Cancel, "Emus"});
    run_->answerer.add({BoxAnswer::Action::Enter, "Kiwis"});
    if (how == "Alt+Y") {
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        QTest::keyClick(dialog, Qt::Key_Y, Qt::AltModifier);
        QTRY_VERIFY(!run_->window(Window::frmPlayAgain));
    } else {
        QTest::mouseClick(buttonOf(dialog, how == "No" ? "cmdNo" : "cmdYes"), Qt::LeftButton);
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(oldMatch.isNull() && dialog.isNull());
    QCOMPARE(run_->endings, 0);
    const auto& shown = run_->answerer.shown();
    if (how == "No") {
        QCOMPARE(visibleProgramWindows(), QStringList({"frmMain"}));
        QCOMPARE(start()->pos(), where);
        QCOMPARE(shown.size(), std::size_t{4});
        return;
    }
    QCOMPARE(shown.size(), std::size_t{6});
    QCOMPARE(shown[4].text, QString("Please Enter the Name of the first team competing?"));
    // The old match and the dialog are gone before the first name box opens.
    QCOMPARE(shown[4].windowsVisible + shown[5].windowsVisible, QStringList());
    // A new match, as its setup leaves it: the logic test says what that is.
    QCOMPARE(visibleProgramWindows(), QStringList({"frmBailwood2"}));
    QCOMPARE(run_->caption("lblTeam1") + run_->caption("cmdInn1"), QString("Play 's innings."));
    QVERIFY(run_->mirror().isEmpty() && run_->innings(1)->isVisible());
}

// Every caption the program writes itself shows whole, in whatever face draws it: the suite
// also runs with DejaVu Sans as the only font (BAILWOOD_FACE names the face expected). A name
// too long for its label is elided in place, whole in the tooltip.
void WindowsTest::captionsFitOrAreElidedWithinTheirBounds() {
    const QString longName = "The Royal Worshipful Company of Very Long Team Names Eleven";
    verifyWhole(start());
    QWidget* w = run_->openMatch("Northampton", longName);
    QVERIFY(w);
    verifyWhole(w, {"lblTeam2"});
    QCOMPARE(w->findChild<QLabel*>("lblTeam2")->geometry(), pixels({3480, 720, 1935, 255}));
    // Every batsman in, and the question.
    run_->playInnings();
    run_->playInnings();
    verifyWhole(w, {"lblTeam2"});
    auto* question = visibleWindow("frmPlayAgain")->findChild<QLabel*>("Label1");
    verifyWhole(question->window());
    // A wider face widens the dialog, which keeps the designed 180 twips right of the question.
    QVERIFY(question->parentWidget()->width() - question->geometry().right() - 1 >= 180 / 15);
    // A caption that fits in one font is measured again in another.
    auto* runs = w->findChild<QLabel*>("lblP1R1");
    run_->match()->scoreboard().lblPR(1, 1).setCaption("8888");
    QCOMPARE(runs->text(), QString("8888"));
    QFont big = runs->font();
    big.setPointSizeF(24);
    runs->setFont(big);
    QCOMPARE(runs->toolTip(), QString("8888"));
}

// A keyboard match: the focus never meets a control without a name; Ctrl+Shift+S changes
// nothing on screen. On Windows (Qt's own platform, woken as a client asks), a Space that opens
// no box hands the bridge one announcement, the ball; one that opens a box hands none;
// Ctrl+Shift+S hands one, where the match stands.
void WindowsTest::theKeyboardAlonePlaysAMatchAsItIsHeard() {
    ProgramRun& run = *run_;
    QStringList focusNames;
    const QObject listening;  // ends the connection with this test
    connect(qApp, &QApplication::focusChanged, &listening, [&](QWidget*, QWidget* now) {
        if (now) focusNames << QAccessible::queryAccessibleInterface(now)->text(QAccessible::Name);
    });
    const QPointer<match::FrmBailwood2> screen = run.openMatch();
    QVERIFY(screen);
#ifdef Q_OS_WIN
    if (QGuiApplication::platformName() != "windows") QSKIP("needs Qt's Windows platform");
    SendMessageW(reinterpret_cast<HWND>(screen->winId()), WM_GETOBJECT, 0, kUiaRootObjectId);
    QVERIFY2(QAccessible::isActive(), "a client's request did not wake the bridge");
    QAccessible::installUpdateHandler(recordTelling);
#endif
    int balls = 0, boxBall = 0, boxes = 0;
    run.answerer.whileOpen([&](const BoxShown&) {
        boxBall = balls + 1;
        ++boxes;
    });
    // Asked in each innings: the latest ball first, and in the chase what is still needed.
    const auto askWhereTheMatchStands = [&]([[maybe_unused]] const QString& stands) {
        const QImage before = screen->grab().toImage();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_S,
                        Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(screen->grab().toImage(), before);
#ifdef Q_OS_WIN
        QCOMPARE(told.size(), balls - boxes + 1);
        QCOMPARE(told.takeLast(), QString::fromStdString(screen->latestBall()) + stands);
#endif
    };

    // A few runs, then wickets to the end of the first innings; sixes win the chase. Space on
    // whatever has the focus bowls, and Enter closes each box.
    const QList<int> firstRolls{80, 10, 50};
    const auto& sb = screen->scoreboard();
    while (screen && (sb.cmdInn(1).visible() || sb.cmdInn(2).visible())) {
        const int t = sb.cmdInn(1).visible() ? 1 : 2;
        run.random.pushRoll(t == 2 ? 85 : firstRolls.value(balls, 95));
        QTRY_COMPARE(QApplication::focusWidget(),
                     run.button(Window::frmBailwood2, t == 1 ? "cmdInn1" : "cmdInn2"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        ++balls;
        if (balls == 3) askWhereTheMatchStands(". Player 1 batting, 8 runs");
        if (balls == 15)
            askWhereTheMatchStands(". Player 1 batting, 6 runs. Tigers needs 3 runs to win");
#ifdef Q_OS_WIN
        QCOMPARE(told.size(), balls - boxes);
        if (boxBall == balls) continue;
        QCOMPARE(told.last(), QString::fromStdString(screen->latestBall()));
        QVERIFY2(allAssertive, "a ball told politely waits behind the balls before it");
        if (balls <= 3) qInfo("Ball %d told: %s", balls, qPrintable(told.last()));
#endif
    }
    QAccessible::installUpdateHandler(nullptr);
    QVERIFY(QTest::qWaitForWindowActive(visibleWindow("frmPlayAgain")));
    QTest::keyClick(visibleWindow("frmPlayAgain"), Qt::Key_N, Qt::AltModifier);
    QTRY_COMPARE(visibleProgramWindows(), QStringList({"frmMain"}));

    QCOMPARE(boxes, 2);
    QVERIFY2(!focusNames.contains(QString()), "the focus met a control without a name");
    QVERIFY(focusNames.contains("Play Tigers's innings."));
}

}  // namespace
}  // namespace bw::testing

QTEST_MAIN(bw::testing::WindowsTest)
#include "windows_test.moc"
