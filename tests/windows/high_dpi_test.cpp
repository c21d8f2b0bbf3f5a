// The windows at a device pixel ratio of 2: the same layout in twice the pixels, text drawn at
// the full resolution, and icons rendered from SVG at the size needed.
#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QtTest>
#include <memory>

#include "app/bailwood2.h"
#include "runtime/qt/presentation.h"
#include "tests/support/program_run.h"

static void registerIcons() { Q_INIT_RESOURCE(icons); }

namespace bw::testing {
namespace {

// 2 x 2 blocks holding more than one colour: none in a 1x image scaled up by doubling pixels.
int mixedBlocks(const QImage& image) {
    int mixed = 0;
    for (int y = 0; y + 1 < image.height(); y += 2) {
        for (int x = 0; x + 1 < image.width(); x += 2) {
            const QRgb p = image.pixel(x, y);
            mixed += p != image.pixel(x + 1, y) || p != image.pixel(x, y + 1) ||
                     p != image.pixel(x + 1, y + 1);
        }
    }
    return mixed;
}

class HighDpiTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void init();
    void cleanup();

    void theWindowsDoubleInPixels();
    void textIsDrawnAtTheFullResolution();
    void iconsAreRenderedAtTheSizeNeeded();

  private:
    QWidget* openMatch() { return run_->openMatch(); }

    std::unique_ptr<ProgramRun> run_;
};

void HighDpiTest::initTestCase() {
    registerIcons();
    QCOMPARE(qgetenv("QT_SCALE_FACTOR"), QByteArray("2"));
}

void HighDpiTest::init() { run_ = std::make_unique<ProgramRun>(); }

void HighDpiTest::cleanup() { run_.reset(); }

void HighDpiTest::theWindowsDoubleInPixels() {
    QWidget* screen = openMatch();
    QVERIFY(screen);
    QCOMPARE(screen->devicePixelRatio(), 2.0);
    QCOMPARE(screen->size(), QSize(376, 474));
    const QPixmap shot = screen->grab();
    QCOMPARE(shot.devicePixelRatio(), 2.0);
    QCOMPARE(shot.size(), QSize(752, 948));
    run_->session.forms().Show("frmPlayAgain");
    QWidget* dialog = visibleWindow("frmPlayAgain");
    QVERIFY(dialog);
    QCOMPARE(dialog->grab().size(), QSize(478, 178));
}

void HighDpiTest::textIsDrawnAtTheFullResolution() {
    QWidget* screen = openMatch();
    QVERIFY(screen);
    for (const char* name : {"lblTitle", "lblTeam1", "lblTotal1"}) {
        auto* label = screen->findChild<QLabel*>(name);
        const QImage shot = label->grab().toImage();
        QCOMPARE(shot.size(), label->size() * 2);
        QVERIFY2(mixedBlocks(shot) > 20, name);
    }
    auto* button = buttonOf(screen, "cmdInn1");
    QVERIFY(mixedBlocks(button->grab().toImage()) > 20);
}

void HighDpiTest::iconsAreRenderedAtTheSizeNeeded() {
    const QIcon icon = rt::qt::bitmapIcon(app::Bailwood2Project().iconPath);
    QVERIFY(!icon.isNull());
    const QList<QSize> sizes = icon.availableSizes();
    for (int side : {16, 32, 48, 256})
        QVERIFY2(sizes.contains(QSize(side, side)), qPrintable(QString::number(side)));
    for (int side : {16, 24, 48, 256}) {
        const QPixmap pixmap = icon.pixmap(QSize(side, side), 2.0);
        QCOMPARE(pixmap.size(), QSize(side * 2, side * 2));
        QCOMPARE(pixmap.devicePixelRatio(), 2.0);
    }
    run_->session.forms().Show("frmPlayAgain");
    QWidget* dialog = visibleWindow("frmPlayAgain");
    QVERIFY(dialog);
    QCOMPARE(dialog->windowIcon().pixmap(QSize(32, 32), 2.0).size(), QSize(64, 64));
}

}  // namespace
}  // namespace bw::testing

QTEST_MAIN(bw::testing::HighDpiTest)
#include "high_dpi_test.moc"
