#pragma once

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QString>
#include <string>

class QWidget;

// How designed values become pixels, fonts and captions on screen.
namespace bw::rt::qt {

// 15 twips to a pixel at 96 dots per inch; Qt scales device-independent pixels to the screen.
constexpr int twipsToPixels(int twips) { return twips / 15; }

// The classic face first, then free sans faces with close metrics, in order of likeness.
QFont classicFont(double pointSize, bool bold = false, bool underline = false);

// Writes a window caption literally: "[*]" is not taken as the modified-marker.
void setWindowCaption(QWidget& window, const std::string& caption);

// A button caption with no access key: every "&" shows as itself.
QString literalButtonText(const std::string& caption);

// An icon drawn from the bitmaps rendered at build time into a resource folder, crisp at the
// window sizes and at 2x.
QIcon bitmapIcon(const QString& folder);

}  // namespace bw::rt::qt
