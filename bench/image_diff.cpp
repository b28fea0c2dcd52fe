// image_diff A B: how far two pictures of a sheet differ. Prints
// "max D pixels N of T at X,Y": the largest difference of one colour channel
// (0 to 255) over all pixels, how many of the T pixels differ at all, and
// where the first of the largest differences lies. Pictures of different
// sizes are an error (exit 2).
#include <QImage>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: image_diff A.png B.png\n");
        return 2;
    }
    QImage a(QString::fromLocal8Bit(argv[1]));
    QImage b(QString::fromLocal8Bit(argv[2]));
    if (a.isNull() || b.isNull() || a.size() != b.size()) {
        std::fprintf(stderr, "image_diff: %s and %s are not two pictures of one size\n", argv[1], argv[2]);
        return 2;
    }
    a = a.convertToFormat(QImage::Format_RGB32);
    b = b.convertToFormat(QImage::Format_RGB32);
    int largest = 0;
    int at_x = 0;
    int at_y = 0;
    long long differing = 0;
    for (int y = 0; y < a.height(); ++y) {
        const auto* pa = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* pb = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            if (pa[x] == pb[x]) continue;
            ++differing;
            const int d = std::max({std::abs(qRed(pa[x]) - qRed(pb[x])), std::abs(qGreen(pa[x]) - qGreen(pb[x])),
                                    std::abs(qBlue(pa[x]) - qBlue(pb[x]))});
            if (d > largest) {
                largest = d;
                at_x = x;
                at_y = y;
            }
        }
    }
    std::printf("max %d pixels %lld of %lld at %d,%d\n", largest, differing,
                static_cast<long long>(a.width()) * a.height(), at_x, at_y);
    return 0;
}
