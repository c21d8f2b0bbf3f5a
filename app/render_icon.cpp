// Renders an SVG icon to a square bitmap of one size: a PNG for the icon theme, or, for a
// name ending in ".argb", the raw pixels the program draws its own icons from: premultiplied
// ARGB32, row by row, in the byte order of the machine that builds it.
// Usage: bw_render_icon <icon.svg> <size> <out.png|out.argb>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s <icon.svg> <size> <out.png|out.argb>\n", argv[0]);
        return 2;
    }
    const QString svgPath = QString::fromLocal8Bit(argv[1]);
    bool isNumber = false;
    const int size = QString::fromLocal8Bit(argv[2]).toInt(&isNumber);
    if (!isNumber || size <= 0) {
        std::fprintf(stderr, "%s: not a size: %s\n", argv[0], argv[2]);
        return 2;
    }

    QSvgRenderer renderer(svgPath);
    if (!renderer.isValid()) {
        std::fprintf(stderr, "%s: cannot read %s\n", argv[0], argv[1]);
        return 1;
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter, image.rect());
    painter.end();

    const QString outPath = QString::fromLocal8Bit(argv[3]);
    bool written = false;
    if (outPath.endsWith(".argb")) {
        const auto bytes = reinterpret_cast<const char*>(image.constBits());
        QFile out(outPath);
        written = out.open(QIODevice::WriteOnly) &&
                  out.write(bytes, image.sizeInBytes()) == image.sizeInBytes();
    } else {
        written = image.save(outPath, "PNG");
    }
    if (!written) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[3]);
        return 1;
    }
    return 0;
}
