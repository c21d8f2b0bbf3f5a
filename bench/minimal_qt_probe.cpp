// The least a Qt Widgets program does: one window with one button, to its first paint.
#include <QApplication>
#include <QPushButton>
#include <QWidget>

#include "bench/first_paint.h"

int main(int argc, char** argv) {
    bw::bench::stopAtFirstPaintOf("window");
    QApplication application(argc, argv);
    QWidget window;
    window.setObjectName("window");
    // As large as the start screen with its menu bar, so both paint as many pixels.
    window.resize(218, 88);
    QPushButton button("&Play", &window);
    window.show();
    return QApplication::exec();
}
