// Prints the width, the height and the number of distinct colours of a PNG
// file: what the screenshot test checks of each image.
#include <QImage>
#include <QSet>
#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: png_facts FILE.png\n");
        return 2;
    }
    const QImage image =
        QImage(QString::fromLocal8Bit(argv[1]), "PNG").convertToFormat(QImage::Format_RGB32);
    if (image.isNull()) {
        std::fprintf(stderr, "%s: not a PNG image\n", argv[1]);
        return 1;
    }
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            colours.insert(line[x]);
    }
    std::printf("%dx%d %lld\n", image.width(), image.height(), qlonglong(colours.size()));
    return 0;
}
