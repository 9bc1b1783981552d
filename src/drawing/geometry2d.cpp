#include "drawing/geometry2d.h"

namespace drawing {

void Box::include(const Box &o)
{
    left = std::min(left, o.left);
    bottom = std::min(bottom, o.bottom);
    right = std::max(right, o.right);
    top = std::max(top, o.top);
}

void Box::include(Pt p) { include(Box{p.x, p.y, p.x, p.y}); }

bool segmentsMeet(Pt a, Pt b, Pt c, Pt d)
{
    auto side = [](Pt o, Pt u, Pt v) {
        const double cross = (u.x - o.x) * (v.y - o.y) - (u.y - o.y) * (v.x - o.x);
        return (cross > 0) - (cross < 0);
    };
    auto within = [](Pt o, Pt u, Pt v) { // v on the line ou: is it between them?
        return std::min(o.x, u.x) <= v.x && v.x <= std::max(o.x, u.x) && std::min(o.y, u.y) <= v.y && v.y <= std::max(o.y, u.y);
    };
    const int s1 = side(a, b, c), s2 = side(a, b, d), s3 = side(c, d, a), s4 = side(c, d, b);
    if (s1 != s2 && s3 != s4)
        return true;
    return (s1 == 0 && within(a, b, c)) || (s2 == 0 && within(a, b, d)) || (s3 == 0 && within(c, d, a)) ||
           (s4 == 0 && within(c, d, b));
}

Pt comingFrom(const std::vector<Pt> &pts, bool atBack)
{
    const std::size_t n = pts.size();
    const Pt tip = atBack ? pts[n - 1] : pts[0];
    for (std::size_t k = 1; k < n; ++k) {
        const Pt q = atBack ? pts[n - 1 - k] : pts[k];
        if (dist(q, tip) >= 1.0)
            return q;
    }
    return atBack ? pts[0] : pts[n - 1];
}

} // namespace drawing
