#include "runtime/qt/presentation.h"

#include <QFontDatabase>
#include <QWidget>

#include "runtime/qt/bitmap_icon_engine.h"

namespace bw::rt::qt {

namespace {

// The first of the faces that is installed, or all of them if none is. Qt would come to the
// same face, but only after asking fontconfig for the fallbacks of each missing face before
// it: at start-up that costs more than drawing the start screen's text.
QStringList installedClassicFaces() {
    const QStringList faces{"MS Sans Serif", "Microsoft Sans Serif", "Liberation Sans",
                            "Arimo",         "DejaVu Sans",          "FreeSans"};
    const QStringList installed = QFontDatabase::families();
    for (const QString& face : faces) {
        if (installed.contains(face, Qt::CaseInsensitive)) return {face};
    }
    return faces;
}

}  // namespace

QFont classicFont(double pointSize, bool bold, bool underline) {
    static const QStringList faces = installedClassicFaces();
    QFont font;
    font.setFamilies(faces);
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

QIcon bitmapIcon(const QString& folder) { return QIcon(new BitmapIconEngine(folder)); }

}  // namespace bw::rt::qt
