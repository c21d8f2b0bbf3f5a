#pragma once

#include <QIconEngine>
#include <QMap>
#include <QPixmap>

namespace bw::rt::qt {

// An icon drawn from bitmaps rendered at build time, one square side per resource
// "<folder>/<side>.argb" of raw premultiplied ARGB32 pixels: the format a pixmap keeps, so
// a bitmap becomes a pixmap without a decoder or a conversion. (Qt's image decoders load
// every image-format plugin, Qt SVG's among them, on first use.) A side not rendered is
// scaled down from the next larger one, so the icon stays crisp at 1x and 2x. It names the
// usual window-icon sizes for window systems that take a fixed set. It keeps no pixmap: the
// window system copies each one it takes.
class BitmapIconEngine final : public QIconEngine {
  public:
    explicit BitmapIconEngine(const QString& folder);

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    QIconEngine* clone() const override;
    QString key() const override;
    bool isNull() override;

  private:
    QImage bitmap(int side) const;

    QMap<int, QString> resources_;  // by side
};

}  // namespace bw::rt::qt
