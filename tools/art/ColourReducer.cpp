#include "ColourReducer.h"

#include <QImage>
#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <vector>

namespace {

using Pixels = std::vector<QRgb>;

// Splits the box with the widest channel range at its median until there are 256 boxes.
std::vector<QRgb> medianCutPalette(Pixels pixels)
{
    struct Box {
        size_t begin, end;
    };
    std::vector<Box> boxes{{0, pixels.size()}};
    const auto channel = [](QRgb p, int c) { return c == 0 ? qRed(p) : c == 1 ? qGreen(p) : qBlue(p); };
    const auto widest = [&](const Box& b, int& range) {
        int best = 0;
        range = -1;
        for (int c = 0; c < 3; ++c) {
            int lo = 255, hi = 0;
            for (size_t i = b.begin; i < b.end; ++i) {
                lo = std::min(lo, channel(pixels[i], c));
                hi = std::max(hi, channel(pixels[i], c));
            }
            if (hi - lo > range) {
                range = hi - lo;
                best = c;
            }
        }
        return best;
    };
    while (boxes.size() < 256) {
        int bestBox = -1, bestRange = 0, bestChannel = 0;
        for (size_t i = 0; i < boxes.size(); ++i) {
            if (boxes[i].end - boxes[i].begin < 2)
                continue;
            int range = 0;
            const int c = widest(boxes[i], range);
            // Weight by population so large flat areas get exact shades.
            const long score = long(range) * long(std::sqrt(double(boxes[i].end - boxes[i].begin)));
            if (score > bestRange) {
                bestRange = int(score);
                bestBox = int(i);
                bestChannel = c;
            }
        }
        if (bestBox < 0)
            break;
        Box& box = boxes[bestBox];
        const size_t middle = (box.begin + box.end) / 2;
        std::nth_element(pixels.begin() + box.begin, pixels.begin() + middle, pixels.begin() + box.end,
                         [&](QRgb a, QRgb b) { return channel(a, bestChannel) < channel(b, bestChannel); });
        boxes.push_back({middle, box.end});
        boxes[bestBox].end = middle;
    }
    std::vector<QRgb> palette;
    for (const Box& b : boxes) {
        long sum[3] = {0, 0, 0};
        for (size_t i = b.begin; i < b.end; ++i)
            for (int c = 0; c < 3; ++c)
                sum[c] += channel(pixels[i], c);
        const long n = long(std::max<size_t>(1, b.end - b.begin));
        palette.push_back(qRgb(int(sum[0] / n), int(sum[1] / n), int(sum[2] / n)));
    }
    return palette;
}

int nearest(const std::vector<QRgb>& palette, int r, int g, int b)
{
    int best = 0, bestDistance = INT_MAX;
    for (size_t i = 0; i < palette.size(); ++i) {
        const int dr = qRed(palette[i]) - r, dg = qGreen(palette[i]) - g, db = qBlue(palette[i]) - b;
        const int d = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
        if (d < bestDistance) {
            bestDistance = d;
            best = int(i);
        }
    }
    return best;
}

}  // namespace

QImage reduceTo256Colours(const QImage& source)
{
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    const int w = image.width(), h = image.height();
    Pixels pixels;
    for (int y = 0; y < h; ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        pixels.insert(pixels.end(), row, row + w);
    }
    const std::vector<QRgb> palette = medianCutPalette(std::move(pixels));

    QImage out(w, h, QImage::Format_Indexed8);
    out.setColorTable(QList<QRgb>(palette.begin(), palette.end()));
    // Floyd-Steinberg, at half strength so flat areas stay clean.
    std::vector<std::array<float, 3>> error(size_t(w + 2) * 2, {0, 0, 0});
    for (int y = 0; y < h; ++y) {
        auto* current = &error[size_t(y % 2) * (w + 2)];
        auto* next = &error[size_t((y + 1) % 2) * (w + 2)];
        std::fill(next, next + w + 2, std::array<float, 3>{0, 0, 0});
        const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        uchar* outRow = out.scanLine(y);
        for (int x = 0; x < w; ++x) {
            const float want[3] = {float(qRed(row[x])) + current[x + 1][0], float(qGreen(row[x])) + current[x + 1][1],
                                   float(qBlue(row[x])) + current[x + 1][2]};
            const int index = nearest(palette, std::clamp(int(want[0]), 0, 255), std::clamp(int(want[1]), 0, 255),
                                      std::clamp(int(want[2]), 0, 255));
            outRow[x] = uchar(index);
            const float got[3] = {float(qRed(palette[index])), float(qGreen(palette[index])),
                                  float(qBlue(palette[index]))};
            for (int c = 0; c < 3; ++c) {
                const float e = (want[c] - got[c]) * 0.5f;
                current[x + 2][c] += e * 7 / 16;
                next[x][c] += e * 3 / 16;
                next[x + 1][c] += e * 5 / 16;
                next[x + 2][c] += e * 1 / 16;
            }
        }
    }
    return out;
}
