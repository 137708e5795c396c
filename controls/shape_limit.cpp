#include "controls/shape_limit.h"

#include "controls/bitmap_helpers.h"

#include <QGuiApplication>
#include <QWidget>
#include <algorithm>
#include <vector>

namespace lumaskin {

namespace {

// The region of the marked cells of a grid of `block`-sized squares whose top-left corner is
// `origin`, rows with the same runs as the row above joined into one band; empty when it
// would take more than `maxRects` rectangles.
std::vector<QRect> CellRects(const std::vector<unsigned char> &cells, int columns, int rows,
                             const QPoint &origin, int block, int maxRects)
{
    std::vector<QRect> rects;
    std::vector<std::pair<int, int>> band, runs;
    int bandTop = 0;
    const auto flush = [&](int bandBottom) {
        for (const auto &[first, end] : band)
            rects.emplace_back(origin.x() + first * block, origin.y() + bandTop * block,
                               (end - first) * block, (bandBottom - bandTop) * block);
    };
    for (int row = 0; row < rows; ++row) {
        runs.clear();
        const unsigned char *line = cells.data() + static_cast<std::size_t>(row) * columns;
        for (int x = 0; x < columns;) {
            while (x < columns && !line[x])
                ++x;
            const int first = x;
            while (x < columns && line[x])
                ++x;
            if (x > first)
                runs.emplace_back(first, x);
        }
        if (row == 0 || runs != band) {
            flush(row);
            band.swap(runs);
            bandTop = row;
        }
        if (static_cast<int>(rects.size()) > maxRects)
            return {};
    }
    flush(rows);
    if (static_cast<int>(rects.size()) > maxRects)
        return {};
    return rects;
}

} // namespace

QRegion LimitShapeComplexity(const QRegion &region, int maxRects)
{
    if (region.rectCount() <= maxRects)
        return region;
    const QRect bounds = region.boundingRect();
    for (int block = 2;; block *= 2) {
        const int columns = (bounds.width() + block - 1) / block;
        const int rows = (bounds.height() + block - 1) / block;
        // A grid this coarse is simpler than any limit: its bounding rectangle will do.
        if (columns <= 1 || rows <= 1 || block > (1 << 20))
            return QRegion(bounds);
        std::vector<unsigned char> cells(static_cast<std::size_t>(columns) * rows, 0);
        for (const QRect &rect : region) {
            const int left = (rect.left() - bounds.left()) / block;
            const int right = (rect.right() - bounds.left()) / block;
            const int top = (rect.top() - bounds.top()) / block;
            const int bottom = (rect.bottom() - bounds.top()) / block;
            for (int y = top; y <= bottom; ++y)
                std::fill_n(cells.begin() + static_cast<std::ptrdiff_t>(y) * columns + left,
                            right - left + 1, 1);
        }
        const std::vector<QRect> rects =
            CellRects(cells, columns, rows, bounds.topLeft(), block, maxRects);
        if (!rects.empty()) {
            QRegion simpler;
            simpler.setRects(rects.data(), static_cast<int>(rects.size()));
            // The last blocks may reach beyond the shape's own extent.
            return simpler.intersected(bounds);
        }
    }
}

QRegion ApplyWindowShape(QWidget &window, const QRegion &region)
{
    const QRegion shape = LimitShapeComplexity(region);
    window.setMask(shape);
    return shape;
}

bool DisplayCutsWindowShapes()
{
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

QImage PaintedThroughShape(const QImage &bitmap, std::uint32_t keyColor)
{
    if (bitmap.isNull() || DisplayCutsWindowShapes())
        return bitmap;
    QImage painted = WithKeyTransparent(bitmap, keyColor);
    painted.setDevicePixelRatio(bitmap.devicePixelRatio());
    return painted;
}

} // namespace lumaskin
