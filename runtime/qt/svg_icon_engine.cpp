#include "runtime/qt/svg_icon_engine.h"

#include <QPainter>
#include <QPixmap>

namespace bw::rt::qt {

SvgIconEngine::SvgIconEngine(const QString& path)
    : renderer_(std::make_shared<QSvgRenderer>(path)) {}

void SvgIconEngine::paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) {
    renderer_->render(painter, rect);
}

QPixmap SvgIconEngine::pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) {
    const quint64 key = (quint64(quint32(size.width())) << 32) | quint32(size.height());
    if (auto it = rendered_.constFind(key); it != rendered_.constEnd()) return *it;
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    paint(&painter, pixmap.rect(), mode, state);
    painter.end();
    rendered_.insert(key, pixmap);
    return pixmap;
}

QList<QSize> SvgIconEngine::availableSizes(QIcon::Mode, QIcon::State) {
    return {{16, 16}, {32, 32}, {48, 48}, {256, 256}};
}

QIconEngine* SvgIconEngine::clone() const { return new SvgIconEngine(*this); }

QString SvgIconEngine::key() const { return QStringLiteral("bw-svg"); }

bool SvgIconEngine::isNull() { return !renderer_->isValid(); }

}  // namespace bw::rt::qt
