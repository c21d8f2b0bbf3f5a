#include "runtime/qt/presentation.h"

#include <QFontDatabase>
#include <QSettings>
#include <QWidget>

#include "runtime/qt/bitmap_icon_engine.h"

namespace bw::rt::qt {

namespace {

// The classic face, then free sans faces with close metrics, in order of likeness.
QStringList classicFaces() {
    QStringList faces{"MS Sans Serif", "Microsoft Sans Serif", "Liberation Sans",
                      "Arimo",         "DejaVu Sans",          "FreeSans"};
#ifdef Q_OS_WIN
    // Windows keeps "MS Sans Serif" as a bitmap face, which Qt's DirectWrite engine does not
    // draw: it takes the TrueType face Windows substitutes for it, normally "Microsoft Sans
    // Serif". A substitute may carry a character set after a comma.
    const QSettings substitutes(
        R"(HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes)",
        QSettings::NativeFormat);
    const QString substitute = substitutes.value(faces.takeFirst()).toString().section(',', 0, 0);
    if (!substitute.isEmpty()) faces.prepend(substitute.trimmed());
    faces.removeDuplicates();
#endif
    return faces;
}

// The first of the faces that is installed, or all of them if none is. Qt would come to the
// same face, but only after asking fontconfig for the fallbacks of each missing face before
// it: at start-up that costs more than drawing the start screen's text.
QStringList installedClassicFaces() {
    const QStringList faces = classicFaces();
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
