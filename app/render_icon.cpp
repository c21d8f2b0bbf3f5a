// Renders an SVG icon to square bitmaps: a PNG for the icon theme; for a name ending in
// ".argb", the raw pixels the program draws its own icons from: premultiplied ARGB32, row by
// row, in the byte order of the machine that builds it; for a name ending in ".ico", a Windows
// icon holding every size given, each a PNG.
// Usage: bw_render_icon <icon.svg> <size>[,<size>...] <out.png|out.argb|out.ico>
#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QStringList>
#include <QSvgRenderer>
#include <QtEndian>
#include <algorithm>
#include <cstdio>

namespace {

QImage render(QSvgRenderer& renderer, int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter, image.rect());
    painter.end();
    return image;
}

QByteArray pngOf(const QImage& image) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return png;
}

template <typename Integer>
void append(QByteArray& bytes, Integer value) {
    const Integer little = qToLittleEndian(value);
    bytes.append(reinterpret_cast<const char*>(&little), sizeof little);
}

// An icon directory: a header, one 16-byte entry per image, then the images. A side of 256
// is written as 0, the format's way of saying it.
QByteArray icoOf(const QList<QImage>& images) {
    QByteArray ico;
    append<quint16>(ico, 0);
    append<quint16>(ico, 1);  // an icon, not a cursor
    append<quint16>(ico, static_cast<quint16>(images.size()));
    QList<QByteArray> pngs;
    for (const QImage& image : images) pngs << pngOf(image);
    quint32 offset = 6 + 16 * static_cast<quint32>(images.size());
    for (int i = 0; i < images.size(); ++i) {
        const auto side = static_cast<quint8>(images[i].width() % 256);
        ico.append(static_cast<char>(side)).append(static_cast<char>(side));
        ico.append(2, '\0');       // no palette, reserved
        append<quint16>(ico, 1);   // colour planes
        append<quint16>(ico, 32);  // bits per pixel
        append<quint32>(ico, static_cast<quint32>(pngs[i].size()));
        append<quint32>(ico, offset);
        offset += static_cast<quint32>(pngs[i].size());
    }
    for (const QByteArray& png : pngs) ico.append(png);
    return ico;
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile out(path);
    return out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s <icon.svg> <size>[,<size>...] <out.png|out.argb|out.ico>\n",
                     argv[0]);
        return 2;
    }
    const QString svgPath = QString::fromLocal8Bit(argv[1]);
    const QString outPath = QString::fromLocal8Bit(argv[3]);
    QList<int> sizes;
    for (const QString& text : QString::fromLocal8Bit(argv[2]).split(',')) {
        bool isNumber = false;
        sizes << text.toInt(&isNumber);
        if (!isNumber || sizes.back() <= 0) {
            std::fprintf(stderr, "%s: not a size: %s\n", argv[0], argv[2]);
            return 2;
        }
    }
    const bool ico = outPath.endsWith(".ico");
    if (sizes.size() > 1 && !ico) {
        std::fprintf(stderr, "%s: only an .ico holds more than one size\n", argv[0]);
        return 2;
    }
    if (ico && *std::max_element(sizes.begin(), sizes.end()) > 256) {
        std::fprintf(stderr, "%s: an .ico holds sizes up to 256\n", argv[0]);
        return 2;
    }

    QSvgRenderer renderer(svgPath);
    if (!renderer.isValid()) {
        std::fprintf(stderr, "%s: cannot read %s\n", argv[0], argv[1]);
        return 1;
    }
    QList<QImage> images;
    for (int size : sizes) images << render(renderer, size);

    bool written = false;
    if (outPath.endsWith(".argb")) {
        const QImage& image = images.front();
        written = writeFile(outPath, QByteArray(reinterpret_cast<const char*>(image.constBits()),
                                                image.sizeInBytes()));
    } else if (ico) {
        written = writeFile(outPath, icoOf(images));
    } else {
        written = images.front().save(outPath, "PNG");
    }
    if (!written) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[3]);
        return 1;
    }
    return 0;
}
