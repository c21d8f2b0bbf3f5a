#pragma once

#include <QProxyStyle>

namespace bw::rt::qt {

// The platform's style, but the menu bar's overflow arrow is read only when it is drawn.
// Every menu bar asks for that arrow as it is made, and reading its PNG loads all of Qt's
// image-format plugins, Qt SVG's among them: a tenth of the program's start-up, for an arrow
// that shows only when the menu bar overflows its window.
class ApplicationStyle final : public QProxyStyle {
  public:
    // Takes over the style, which becomes its base.
    explicit ApplicationStyle(QStyle* style) : QProxyStyle(style) {}

    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option,
                       const QWidget* widget) const override;
};

}  // namespace bw::rt::qt
