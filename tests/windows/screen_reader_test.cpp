// A match played from the keyboard alone, and what a screen reader is handed meanwhile: the
// focus never lands on a control without a name, and the box a deciding ball opens says that
// ball first. On Windows, where a client asking for the window wakes Qt's UI Automation bridge,
// every Space that opens no box hands it exactly one telling of its ball, in the words of the
// innings button's description, and a Space that opens a box hands it none. (On Linux the
// accessibility bus's own test hears them.)
#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QtTest>

#include "match/view/frm_bailwood2.h"
#include "tests/support/program_run.h"

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace bw::testing {
namespace {

QString nameOf(QObject* object) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(object);
    return accessible ? accessible->text(QAccessible::Name) : QString();
}

#ifdef Q_OS_WIN
// What Qt's bridge is handed to speak of each ball: an announcement from Qt 6.8 on, before it a
// value change carrying text, which it raises as a notification.
QStringList told;

// UiaRootObjectId: what a UI Automation client asks a window for. MinGW's header that defines
// it names a parameter "new", so C++ cannot include it.
constexpr LPARAM kUiaRootObjectId = -25;

void recordTelling(QAccessibleEvent* event) {
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    if (event->type() == QAccessible::Announcement)
        told << static_cast<QAccessibleAnnouncementEvent*>(event)->message();
#else
    if (event->type() != QAccessible::ValueChanged) return;
    const QVariant value = static_cast<QAccessibleValueChangeEvent*>(event)->value();
    if (value.typeId() == QMetaType::QString) told << value.toString();
#endif
}
#endif

class ScreenReaderTest : public QObject {
    Q_OBJECT

  private slots:
    void theKeyboardAlonePlaysAMatchAsItIsHeard();
};

void ScreenReaderTest::theKeyboardAlonePlaysAMatchAsItIsHeard() {
    ProgramRun run;
    QStringList focusNames;
    connect(qApp, &QApplication::focusChanged, this, [&](QWidget*, QWidget* now) {
        if (now) focusNames << nameOf(now);
    });
    const QPointer<match::FrmBailwood2> screen = run.openMatch();
    QVERIFY(screen);
#ifdef Q_OS_WIN
    SendMessageW(reinterpret_cast<HWND>(screen->winId()), WM_GETOBJECT, 0, kUiaRootObjectId);
    QVERIFY2(QAccessible::isActive(), "a client's request did not wake the bridge");
    QAccessible::installUpdateHandler(recordTelling);
#endif
    int balls = 0;
    // What each box said as it showed, its message, the ball that opened it and its words.
    QStringList boxSaid, boxText, boxBallWords;
    QList<int> boxBall;
    run.answerer.whileOpen([&](const BoxShown& shown) {
        boxSaid << nameOf(QApplication::activeModalWidget()->findChild<QLabel*>("qt_msgbox_label"));
        boxText << shown.text;
        boxBall << balls + 1;
        boxBallWords << QString::fromStdString(screen->latestBall());
    });

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
#ifdef Q_OS_WIN
        QCOMPARE(told.size(), balls - boxBall.size());
        if (boxBall.value(boxBall.size() - 1) == balls) continue;
        QCOMPARE(told.last(), QString::fromStdString(screen->latestBall()));
        if (balls <= 3) qInfo("Ball %d told: %s", balls, qPrintable(told.last()));
#endif
    }
    QAccessible::installUpdateHandler(nullptr);
    QVERIFY(QTest::qWaitForWindowActive(visibleWindow("frmPlayAgain")));
    QTest::keyClick(visibleWindow("frmPlayAgain"), Qt::Key_N, Qt::AltModifier);
    QTRY_COMPARE(visibleProgramWindows(), QStringList({"frmMain"}));

    QCOMPARE(boxSaid.size(), 2);
    for (int i = 0; i < 2; ++i) {
        qInfo("Ball %d opened a box that says: %s", boxBall[i], qPrintable(boxSaid[i]));
        QCOMPARE(boxSaid[i], boxBallWords[i] + ". " + boxText[i]);
    }
    QVERIFY2(!focusNames.contains(QString()), "the focus met a control without a name");
    QVERIFY(focusNames.contains("Play Tigers's innings."));
}

}  // namespace
}  // namespace bw::testing

QTEST_MAIN(bw::testing::ScreenReaderTest)
#include "screen_reader_test.moc"
