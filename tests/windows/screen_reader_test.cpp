// What a screen reader is handed while a match is played from the keyboard: the focus never
// lands on a control without a name. On Windows, where a client asking for the window wakes
// Qt's UI Automation bridge, every Space hands it exactly one notification, the ball in the
// words Orca says, and the box a deciding ball opens says that ball first.
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

// The texts Qt hands on to Windows to raise as notifications: value changes carrying text.
QStringList notifications;

#ifdef Q_OS_WIN
// UiaRootObjectId: what a UI Automation client asks a window for. MinGW's header that defines
// it names a parameter "new", so C++ cannot include it.
constexpr LPARAM kUiaRootObjectId = -25;

void recordNotification(QAccessibleEvent* event) {
    if (event->type() != QAccessible::ValueChanged) return;
    const QVariant value = static_cast<QAccessibleValueChangeEvent*>(event)->value();
    if (value.typeId() == QMetaType::QString) notifications << value.toString();
}
#endif

QString nameOf(QObject* object) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(object);
    return accessible ? accessible->text(QAccessible::Name) : QString();
}

class ScreenReaderTest : public QObject {
    Q_OBJECT

  private slots:
    void aMatchPlayedFromTheKeyboard();
};

void ScreenReaderTest::aMatchPlayedFromTheKeyboard() {
    ProgramRun run;
    const QPointer<match::FrmBailwood2> screen = run.openMatch();
    QVERIFY(screen);
    // The focus is met only in the active window.
    screen->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(screen));
    QStringList focusNames;
    connect(qApp, &QApplication::focusChanged, this, [&](QWidget*, QWidget* now) {
        if (now) focusNames << nameOf(now);
    });
#ifdef Q_OS_WIN
    SendMessageW(reinterpret_cast<HWND>(screen->winId()), WM_GETOBJECT, 0, kUiaRootObjectId);
    QVERIFY2(QAccessible::isActive(), "a client's request did not wake the bridge");
    QAccessible::installUpdateHandler(recordNotification);
    const auto lead = [](int ball) { return notifications.value(ball - 1) + ". "; };
#else
    const auto lead = [](int) { return QString(); };
#endif
    int balls = 0;
    // What each box said as it showed, the ball that opened it, and the notifications by then.
    QStringList boxSaid, boxText;
    QList<int> boxBall, raisedByThen;
    run.answerer.whileOpen([&](const BoxShown& shown) {
        boxSaid << nameOf(QApplication::activeModalWidget()->findChild<QLabel*>("qt_msgbox_label"));
        boxText << shown.text;
        boxBall << balls + 1;
        raisedByThen << static_cast<int>(notifications.size());
    });

    // A few runs, then wickets to the end of the first innings; sixes win the chase.
    const QList<int> firstRolls{80, 10, 50};
    const auto& sb = screen->scoreboard();
    while (screen && (sb.cmdInn(1).visible() || sb.cmdInn(2).visible())) {
        run.random.pushRoll(sb.cmdInn(2).visible() ? 85 : firstRolls.value(balls, 95));
        auto* button = qobject_cast<QAbstractButton*>(screen->focusWidget());
        QVERIFY2(button && button->isVisible(), "Space reaches no innings button");
        QTest::keyClick(button, Qt::Key_Space);
        ++balls;
#ifdef Q_OS_WIN
        QCOMPARE(notifications.size(), balls);
        QCOMPARE(notifications.last(), QString::fromStdString(screen->latestBall()));
        if (balls <= 3) qInfo("Ball %d notified: %s", balls, qPrintable(notifications.last()));
#endif
    }
    QAccessible::installUpdateHandler(nullptr);

    QCOMPARE(boxSaid.size(), 2);
    for (int i = 0; i < 2; ++i) {
        qInfo("Ball %d opened a box that says: %s", boxBall[i], qPrintable(boxSaid[i]));
#ifdef Q_OS_WIN
        QCOMPARE(raisedByThen[i], boxBall[i]);  // the ball was raised before its box showed
#endif
        QCOMPARE(boxSaid[i], lead(boxBall[i]) + boxText[i]);
    }
    QVERIFY2(!focusNames.contains(QString()), "the focus met a control without a name");
    QVERIFY(focusNames.contains("Play Tigers's innings."));
}

}  // namespace
}  // namespace bw::testing

QTEST_MAIN(bw::testing::ScreenReaderTest)
#include "screen_reader_test.moc"
