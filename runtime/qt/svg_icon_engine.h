#pragma once

#include <QHash>
#include <QIconEngine>
#include <QSvgRenderer>
#include <memory>

namespace bw::rt::qt {

// An icon drawn from SVG at whatever pixel size is asked for, so it stays crisp at every
// scale. It names the usual window-icon sizes for window systems that take a fixed set.
class SvgIconEngine final : public QIconEngine {
  public:
    explicit SvgIconEngine(const QString& path);

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    QIconEngine* clone() const override;
    QString key() const override;
    bool isNull() override;

  private:
    std::shared_ptr<QSvgRenderer> renderer_;
    QHash<quint64, QPixmap> rendered_;
};

}  // namespace bw::rt::qt
