// The start screen on the offscreen platform: how it looks, the three ways to open a match
// and the ways to end the program.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QWindow>
#include <QtTest>
#include <memory>

#include "app/bailwood2.h"
#include "tests/support/box_answerer.h"
#include "tests/support/scripted_runtime.h"

// The icon resources live in a static library and are registered by hand.
static void registerIcons() { Q_INIT_RESOURCE(icons); }

namespace bw::testing {
namespace {

// Watches a window being hidden and notes which program windows were visible just then.
class HideWatcher final : public QObject {
  public:
    explicit HideWatcher(QWidget* watched) { watched->installEventFilter(this); }
    int hides = 0;
    QStringList visibleWhenHidden;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Hide) {
            ++hides;
            visibleWhenHidden = visibleProgramWindows();
        }
        return false;
    }
};

// Opens a menu of the menu bar and chooses an entry with the mouse, as a person does.
void chooseFromMenu(QMenuBar* bar, QMenu* menu, QAction* entry) {
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(menu->menuAction()).center());
    QVERIFY(menu->isVisible());
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(entry).center());
}

class StartScreenTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { registerIcons(); }
    void init();
    void cleanup();

    void looksAsDesigned();
    void startsCentredOnTheScreen();
    void opensAMatchAfterBothNames_data();
    void opensAMatchAfterBothNames();
    void endsTheProgram_data();
    void endsTheProgram();

  private:
    QWidget* start() { return session_->window("frmMain"); }
    QAction* action(const char* name) { return start()->findChild<QAction*>(name); }
    QMenuBar* menuBar() { return start()->findChild<QMenuBar*>(); }
    QMenu* fileMenu() { return start()->findChild<QMenu*>("mnuFile"); }

    std::unique_ptr<ScriptedRandom> random_;
    std::unique_ptr<WindowSession> session_;
};

void StartScreenTest::init() {
    random_ = std::make_unique<ScriptedRandom>();
    session_ = std::make_unique<WindowSession>(app::Bailwood2Project(), *random_);
    QVERIFY(start());
    QVERIFY(QTest::qWaitForWindowActive(start()));
}

void StartScreenTest::cleanup() {
    session_.reset();
    random_.reset();
}

void StartScreenTest::looksAsDesigned() {
    QWidget* w = start();
    QVERIFY(w->isVisible());
    QCOMPARE(w->windowHandle()->title(), QString("Bailwood 2"));
    QVERIFY(!(w->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(!(w->windowFlags() & Qt::WindowMinimizeButtonHint));
    QVERIFY(w->windowFlags() & Qt::WindowCloseButtonHint);

    // The client area below the menu bar is 218 x 67 and cannot be resized.
    QMenuBar* bar = menuBar();
    QVERIFY(bar && bar->isVisible());
    QCOMPARE(bar->geometry().top(), 0);
    QCOMPARE(w->size(), QSize(218, bar->height() + 67));
    QCOMPARE(w->minimumSize(), w->maximumSize());
    const QSize designed = w->size();
    w->resize(designed + QSize(100, 100));
    QCOMPARE(w->size(), designed);

    // Green shows around the button, under the menu bar.
    const QImage image = w->grab().toImage();
    for (QPoint p : {QPoint(2, bar->height() + 2), QPoint(215, bar->height() + 64),
                     QPoint(109, bar->height() + 5)}) {
        QCOMPARE(image.pixelColor(p), QColor(0, 128, 0));
    }

    auto* button = w->findChild<QPushButton*>("cmdBailwood2");
    QVERIFY(button && button->isVisible());
    QCOMPARE(button->text(), QString("&Play Bailwood 2"));

    QStringList barEntries;
    for (QAction* a : bar->actions()) barEntries << a->text();
    QCOMPARE(barEntries, QStringList({"&File", "E&xit"}));
    QStringList fileEntries;
    for (QAction* a : fileMenu()->actions()) fileEntries << (a->isSeparator() ? "-" : a->text());
    QCOMPARE(fileEntries, QStringList({"&Play Bailwood 2", "-", "E&xit"}));
}

void StartScreenTest::startsCentredOnTheScreen() {
    QWidget* w = start();
    const QPoint screenCentre = w->screen()->availableGeometry().center();
    QVERIFY2((w->geometry().center() - screenCentre).manhattanLength() <= 2,
             qPrintable(QString("window at %1,%2 %3x%4, screen centre %5,%6")
                            .arg(w->geometry().x())
                            .arg(w->geometry().y())
                            .arg(w->width())
                            .arg(w->height())
                            .arg(screenCentre.x())
                            .arg(screenCentre.y())));
}

void StartScreenTest::opensAMatchAfterBothNames_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("button") << "button";
    QTest::newRow("Alt+P") << "Alt+P";
    QTest::newRow("File, Play Bailwood 2") << "menu";
    QTest::newRow("Alt+F, P") << "Alt+F P";
}

void StartScreenTest::opensAMatchAfterBothNames() {
    QFETCH(QString, how);
    BoxAnswerer answerer;
    answerer.names("Lions", "Tigers");
    HideWatcher watcher(start());

    if (how == "button") {
        QTest::mouseClick(start()->findChild<QPushButton*>("cmdBailwood2"), Qt::LeftButton);
    } else if (how == "Alt+P") {
        // An access key presses the button visibly first: the click follows from the loop.
        QTest::keyClick(start(), Qt::Key_P, Qt::AltModifier);
        QTRY_VERIFY(visibleWindow("frmBailwood2"));
    } else if (how == "menu") {
        chooseFromMenu(menuBar(), fileMenu(), action("mnuPBailwood2"));
    } else {
        QTest::keyClick(start(), Qt::Key_F, Qt::AltModifier);
        QVERIFY(fileMenu()->isVisible());
        QTest::keyClick(fileMenu(), Qt::Key_P);
    }

    const auto& shown = answerer.shown();
    QCOMPARE(shown.size(), std::size_t{2});
    QCOMPARE(shown[0].kind, BoxKind::Input);
    QCOMPARE(shown[0].title, QString("Enter Team Name"));
    QCOMPARE(shown[0].text, QString("Please Enter the Name of the first team competing?"));
    QCOMPARE(shown[1].kind, BoxKind::Input);
    QCOMPARE(shown[1].title, QString("Enter Team Name"));
    QCOMPARE(shown[1].text, QString("Please Enter the Name of the second team competing?"));
    // The start screen stays up while the names are asked for.
    QCOMPARE(shown[0].windowsVisible, QStringList({"frmMain"}));
    QCOMPARE(shown[1].windowsVisible, QStringList({"frmMain"}));

    // Hidden only once the match screen is up, so the program always shows a window. (A
    // window being hidden no longer counts itself as visible.)
    QCOMPARE(watcher.hides, 1);
    QCOMPARE(watcher.visibleWhenHidden, QStringList({"frmBailwood2"}));
    QVERIFY(!start()->isVisible());
    QWidget* match = visibleWindow("frmBailwood2");
    QVERIFY(match);
    QCOMPARE(match->findChild<QLabel*>("lblTeam1")->text(), QString("Lions"));
    QCOMPARE(match->findChild<QLabel*>("lblTeam2")->text(), QString("Tigers"));
    QCOMPARE(session_->endings(), 0);
}

void StartScreenTest::endsTheProgram_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("File, Exit") << "File Exit";
    QTest::newRow("Exit on the menu bar") << "Exit";
    QTest::newRow("Alt+X") << "Alt+X";
    QTest::newRow("close button") << "close";
}

void StartScreenTest::endsTheProgram() {
    QFETCH(QString, how);
    BoxAnswerer answerer;
    QPointer<QWidget> window = start();

    if (how == "File Exit") {
        chooseFromMenu(menuBar(), fileMenu(), action("mnuPExit"));
    } else if (how == "Exit") {
        QTest::mouseClick(menuBar(), Qt::LeftButton, {},
                          menuBar()->actionGeometry(action("mnuExit")).center());
    } else if (how == "Alt+X") {
        QTest::keyClick(start(), Qt::Key_X, Qt::AltModifier);
    } else {
        window->close();
    }

    QVERIFY(session_->forms().ended());
    QCOMPARE(session_->forms().exitStatus(), 0);
    QCOMPARE(session_->endings(), 1);
    QCOMPARE(session_->endStatus(), 0);
    QVERIFY(answerer.shown().empty());
    QCOMPARE(session_->window("frmMain"), nullptr);
    QVERIFY(!window || !window->isVisible());
    QVERIFY(visibleProgramWindows().isEmpty());
}

}  // namespace
}  // namespace bw::testing

QTEST_MAIN(bw::testing::StartScreenTest)
#include "start_screen_test.moc"
