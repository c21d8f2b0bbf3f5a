#include "runtime/qt/presentation.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>
#include <QWidget>

namespace bw::rt::qt {

QFont classicFont(double pointSize, bool bold, bool underline) {
    QFont font;
    font.setFamilies({"MS Sans Serif", "Microsoft Sans Serif", "Liberation Sans", "Arimo",
                      "DejaVu Sans", "FreeSans"});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

void setWindowCaption(QWidget& window, const std::string& caption) {
    // Qt drops a single "[*]" from titles and shows "[*][*]" as "[*]".
    window.setWindowTitle(QString::fromStdString(caption).replace("[*]", "[*][*]"));
}

QString literalButtonText(const std::string& caption) {
    return QString::fromStdString(caption).replace('&', "&&");
}

QIcon svgIcon(const QString& path) {
    QSvgRenderer renderer(path);
    QIcon icon;
    for (int size : {16, 32, 48, 256}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        renderer.render(&painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

}  // namespace bw::rt::qt
