#include "runtime/qt/bitmap_icon_engine.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QResource>
#include <algorithm>

namespace bw::rt::qt {

namespace {

constexpr QLatin1String kSuffix(".argb");

}  // namespace

BitmapIconEngine::BitmapIconEngine(const QString& folder) {
    const QDir dir(folder);
    for (const QString& name : dir.entryList(QDir::Files, QDir::Unsorted)) {
        bool isNumber = false;
        const int side = name.endsWith(kSuffix) ? name.chopped(kSuffix.size()).toInt(&isNumber) : 0;
        if (isNumber && side > 0) resources_.insert(side, dir.filePath(name));
    }
}

QImage BitmapIconEngine::bitmap(int side) const {
    auto* pixels = new QByteArray(QResource(resources_.value(side)).uncompressedData());
    if (pixels->size() != qsizetype(side) * side * 4) {
        delete pixels;
        return {};
    }
    // The image draws on the bytes as they are, and frees them with itself.
    const auto release = [](void* bytes) { delete static_cast<QByteArray*>(bytes); };
    return QImage(reinterpret_cast<uchar*>(pixels->data()), side, side, side * 4,
                  QImage::Format_ARGB32_Premultiplied, release, pixels);
}

void BitmapIconEngine::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
                             QIcon::State state) {
    const qreal scale = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
    QPixmap drawn = pixmap(rect.size() * scale, mode, state);
    drawn.setDevicePixelRatio(scale);
    painter->drawPixmap(rect, drawn);
}

QPixmap BitmapIconEngine::pixmap(const QSize& size, QIcon::Mode, QIcon::State) {
    if (resources_.isEmpty() || size.isEmpty()) return {};
    // The smallest bitmap at least as large as asked for, else the largest there is.
    auto source = resources_.lowerBound(std::max(size.width(), size.height()));
    if (source == resources_.end()) --source;
    QImage image = bitmap(source.key());
    if (image.size() != size) {
        image = image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    return QPixmap::fromImage(std::move(image));
}

QList<QSize> BitmapIconEngine::availableSizes(QIcon::Mode, QIcon::State) {
    return {{16, 16}, {32, 32}, {48, 48}, {256, 256}};
}

QIconEngine* BitmapIconEngine::clone() const { return new BitmapIconEngine(*this); }

QString BitmapIconEngine::key() const { return QStringLiteral("bw-bitmap"); }

bool BitmapIconEngine::isNull() { return resources_.isEmpty(); }

}  // namespace bw::rt::qt
