#include "runtime/qt/presentation.h"

#include <QWidget>

#include "runtime/qt/svg_icon_engine.h"

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

QIcon svgIcon(const QString& path) { return QIcon(new SvgIconEngine(path)); }

}  // namespace bw::rt::qt
