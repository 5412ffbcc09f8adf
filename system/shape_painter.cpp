#include "system/shape_painter.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

double length(double x, double y)
{
    return std::sqrt(x * x + y * y);
}

// The share of a pixel covered by the inside, from the distance at its centre.
double coverageAt(double distance)
{
    return std::clamp(0.5 - distance, 0.0, 1.0);
}

} // namespace

ShapeDistance circleShape(Point2 c, double r)
{
    return [=](Point2 p) { return length(p.x - c.x, p.y - c.y) - r; };
}

ShapeDistance ellipseShape(Point2 c, double rx, double ry, double degrees)
{
    const double a = degrees * std::numbers::pi / 180.0;
    const double cs = std::cos(a), sn = std::sin(a);
    return [=](Point2 p) {
        const double dx = p.x - c.x, dy = p.y - c.y;
        const double u = dx * cs + dy * sn, v = -dx * sn + dy * cs;
        // A close estimate of the true distance, good to a fraction of a pixel near the edge.
        const double k0 = length(u / rx, v / ry);
        const double k1 = length(u / (rx * rx), v / (ry * ry));
        if (k1 == 0)
            return -std::min(rx, ry);
        return k0 * (k0 - 1.0) / k1;
    };
}

ShapeDistance strokeShape(Point2 a, Point2 b, double halfWidth)
{
    return [=](Point2 p) {
        const double bx = b.x - a.x, by = b.y - a.y;
        const double px = p.x - a.x, py = p.y - a.y;
        const double lengthSquared = bx * bx + by * by;
        const double t = lengthSquared == 0 ? 0 : std::clamp((px * bx + py * by) / lengthSquared, 0.0, 1.0);
        return length(px - bx * t, py - by * t) - halfWidth;
    };
}

ShapeDistance polygonShape(std::vector<Point2> v)
{
    return [v = std::move(v)](Point2 p) {
        if (v.empty())
            return 1e9;
        double nearest = 1e18;
        bool inside = false;
        for (size_t i = 0, j = v.size() - 1; i < v.size(); j = i++) {
            const double ex = v[j].x - v[i].x, ey = v[j].y - v[i].y;
            const double wx = p.x - v[i].x, wy = p.y - v[i].y;
            const double lengthSquared = ex * ex + ey * ey;
            const double t =
                lengthSquared == 0 ? 0 : std::clamp((wx * ex + wy * ey) / lengthSquared, 0.0, 1.0);
            const double dx = wx - ex * t, dy = wy - ey * t;
            nearest = std::min(nearest, dx * dx + dy * dy);
            if ((v[i].y > p.y) != (v[j].y > p.y) &&
                p.x < (v[j].x - v[i].x) * (p.y - v[i].y) / (v[j].y - v[i].y) + v[i].x)
                inside = !inside;
        }
        return inside ? -std::sqrt(nearest) : std::sqrt(nearest);
    };
}

ShapeDistance unionShape(std::vector<ShapeDistance> parts)
{
    return [parts = std::move(parts)](Point2 p) {
        double d = 1e9;
        for (const auto& part : parts)
            d = std::min(d, part(p));
        return d;
    };
}

ShapeDistance intersectShape(ShapeDistance a, ShapeDistance b)
{
    return [a = std::move(a), b = std::move(b)](Point2 p) { return std::max(a(p), b(p)); };
}

ShapePainter::ShapePainter(int width, int height) : bitmap_(width, height)
{
    std::fill(bitmap_.bits(), bitmap_.bits() + static_cast<size_t>(width) * height * 4, uint8_t{0});
}

void ShapePainter::paint(const ShapeDistance& shape, Rgba fill, double outlineWidth, Rgba outline)
{
    for (int y = 0; y < bitmap_.Height(); ++y)
        for (int x = 0; x < bitmap_.Width(); ++x) {
            const double d = shape({x + 0.5, y + 0.5});
            if (d > 1.0)
                continue;
            if (outlineWidth > 0) {
                blend(x, y, outline, coverageAt(d));
                blend(x, y, fill, coverageAt(d + outlineWidth));
            } else {
                blend(x, y, fill, coverageAt(d));
            }
        }
}

// Source over destination, kept unpremultiplied in the bitmap.
void ShapePainter::blend(int x, int y, Rgba colour, double coverage)
{
    const double sa = coverage * colour.a / 255.0;
    if (sa <= 0)
        return;
    const Rgba under = bitmap_.pixel(x, y);
    const double da = under.a / 255.0;
    const double oa = sa + da * (1 - sa);
    auto channel = [&](uint8_t s, uint8_t d) {
        return static_cast<uint8_t>(std::lround((s * sa + d * da * (1 - sa)) / oa));
    };
    bitmap_.setPixel(x, y,
                     {channel(colour.r, under.r), channel(colour.g, under.g), channel(colour.b, under.b),
                      static_cast<uint8_t>(std::lround(oa * 255))});
}
