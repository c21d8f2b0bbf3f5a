// The real program on the offscreen platform: start screen, the real name boxes, a whole
// match clicked through, the result box, Yes, a second match, No and Exit.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>
#include <QWindow>
#include <QtTest>

#include "app/bailwood2.h"
#include "runtime/random.h"

namespace {

struct Shown {
    QString title;
    QString text;
};

class WholeProgramTest : public QObject {
    Q_OBJECT

  private slots:
    void aWholeSessionEndsWithStatusZero();

  private:
    // Answers whatever modal box is open: names from the queue, OK on message boxes.
    void answerBoxes();
    void drive();
    QWidget* window(const char* name);
    QAbstractButton* button(QWidget* window, const char* name);

    QStringList names_;
    QList<Shown> inputs_;
    QList<Shown> messages_;
    int matches_ = 0;
    QPoint startScreenPosition_;
    bool sawLiteralCaption_ = false;
    bool sawLiteralLabel_ = false;
};

QWidget* WholeProgramTest::window(const char* name) {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == name && w->isVisible()) return w;
    }
    return nullptr;
}

QAbstractButton* WholeProgramTest::button(QWidget* w, const char* name) {
    return w ? w->findChild<QAbstractButton*>(name) : nullptr;
}

void WholeProgramTest::answerBoxes() {
    QWidget* modal = QApplication::activeModalWidget();
    if (auto* input = qobject_cast<QInputDialog*>(modal)) {
        inputs_.append({input->windowHandle()->title(), input->labelText()});
        input->setTextValue(names_.isEmpty() ? QString() : names_.takeFirst());
        input->accept();
    } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        messages_.append({box->windowHandle()->title(), box->text()});
        QTest::keyClick(box, Qt::Key_Return);
    }
}

void WholeProgramTest::drive() {
    if (QApplication::activeModalWidget()) return answerBoxes();
    if (QWidget* dialog = window("frmPlayAgain")) {
        ++matches_;
        QTest::mouseClick(button(dialog, matches_ == 1 ? "cmdYes" : "cmdNo"), Qt::LeftButton);
        return;
    }
    if (QWidget* match = window("frmBailwood2")) {
        if (auto* label = match->findChild<QLabel*>("lblTeam1");
            label->text() == "<b>x</b> & [*]") {
            sawLiteralLabel_ = label->textFormat() == Qt::PlainText;
        }
        if (match->windowHandle()->title() == "Bailwood - Now playing <b>x</b> & [*]'s innings.") {
            sawLiteralCaption_ = true;
        }
        for (const char* name : {"cmdInn1", "cmdInn2"}) {
            QAbstractButton* b = button(match, name);
            if (b->isVisible()) {
                // Space on the focused innings button bowls, as a click does.
                b->setFocus();
                QTest::keyClick(b, Qt::Key_Space);
                return;
            }
        }
        return;
    }
    if (QWidget* start = window("frmMain")) {
        if (matches_ == 0) {
            startScreenPosition_ = start->pos();
            names_ = {"<b>x</b> & [*]", "Tigers"};
            QTest::mouseClick(button(start, "cmdBailwood2"), Qt::LeftButton);
        } else {
            QCOMPARE(start->pos(), startScreenPosition_);
            start->findChild<QAction*>("mnuExit")->trigger();
        }
    }
}

void WholeProgramTest::aWholeSessionEndsWithStatusZero() {
    names_.clear();
    QTimer driver;
    // Each step runs queued, so that a box it opens is answered by later ticks of the driver:
    // a timer never fires again while its own handler is still running.
    bool queued = false;
    connect(&driver, &QTimer::timeout, this, [this, &queued] {
        if (queued) return;
        queued = true;
        QMetaObject::invokeMethod(
            this,
            [this, &queued] {
                queued = false;
                if (matches_ == 1 && names_.isEmpty() && inputs_.size() == 2)
                    names_ = {"Emus", "Kiwis"};
                drive();
            },
            Qt::QueuedConnection);
    });
    driver.start(1);
    QTimer watchdog;
    watchdog.setSingleShot(true);
    connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    watchdog.start(60000);

    char name[] = "bailwood2";
    char* argv[] = {name, nullptr};
    auto random = std::make_unique<bw::rt::ClockSeededRandom>([] { return std::uint64_t{7}; });
    const int status = bw::app::Bailwood2Main(1, argv, std::move(random));

    QCOMPARE(status, 0);
    QCOMPARE(matches_, 2);
    QCOMPARE(inputs_.size(), 4);
    QCOMPARE(inputs_[0].title, QString("Enter Team Name"));
    QCOMPARE(inputs_[0].text, QString("Please Enter the Name of the first team competing?"));
    QCOMPARE(inputs_[1].text, QString("Please Enter the Name of the second team competing?"));
    QVERIFY(sawLiteralLabel_);
    QVERIFY(sawLiteralCaption_);
    // Per match: the end of the first innings, then the result.
    QCOMPARE(messages_.size(), 4);
    QCOMPARE(messages_[0].title, QString("End of <b>x</b> & [*]'s Innings"));
    QVERIFY(
        messages_[0].text.startsWith("That's the end of <b>x</b> & [*]'s innings. Tigers needs "));
    QCOMPARE(messages_[1].title, QString("End of Match!"));
    QVERIFY(messages_[1].text.startsWith("The match is over!\n"));
    QVERIFY(messages_[1].text.endsWith("\n"));
    QCOMPARE(messages_[2].title, QString("End of Emus's Innings"));
    QCOMPARE(messages_[3].title, QString("End of Match!"));
}

}  // namespace

QTEST_MAIN(WholeProgramTest)
#include "whole_program_test.moc"
