#include "Blur.h"

#include <QImage>
#include <vector>

namespace {

// One box pass over `count` pixels spaced `step` apart, on premultiplied ARGB.
void boxPass(QRgb* first, int count, int step, int radius, std::vector<QRgb>& scratch)
{
    scratch.resize(count);
    for (int i = 0; i < count; ++i)
        scratch[i] = first[i * step];
    int sum[4] = {0, 0, 0, 0};
    const auto add = [&](int index, int sign) {
        const QRgb p = scratch[std::clamp(index, 0, count - 1)];
        sum[0] += sign * qAlpha(p);
        sum[1] += sign * qRed(p);
        sum[2] += sign * qGreen(p);
        sum[3] += sign * qBlue(p);
    };
    for (int i = -radius; i <= radius; ++i)
        add(i, 1);
    const int width = 2 * radius + 1;
    for (int i = 0; i < count; ++i) {
        first[i * step] = qRgba(sum[1] / width, sum[2] / width, sum[3] / width, sum[0] / width);
        add(i + radius + 1, 1);
        add(i - radius, -1);
    }
}

}  // namespace

void blurImage(QImage& image, int radius)
{
    if (radius <= 0)
        return;
    image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const int box = std::max(1, radius / 2);
    std::vector<QRgb> scratch;
    QRgb* bits = reinterpret_cast<QRgb*>(image.bits());
    const int w = image.width();
    const int h = image.height();
    for (int pass = 0; pass < 3; ++pass) {
        for (int y = 0; y < h; ++y)
            boxPass(bits + y * w, w, 1, box, scratch);
        for (int x = 0; x < w; ++x)
            boxPass(bits + x, h, w, box, scratch);
    }
}
