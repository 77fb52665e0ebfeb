#pragma once

// Plain geometry values of the diagram plane: x to the right, y downwards,
// in logical units. The element anchors are 16-bit; points and rectangles
// carry 32-bit values like the drawing surface they feed.

struct TPoint {
    int x = 0;
    int y = 0;

    constexpr TPoint() = default;
    constexpr TPoint(int px, int py) : x(px), y(py) {}

    friend constexpr bool operator==(const TPoint&, const TPoint&) = default;
};

struct TRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    constexpr TRect() = default;
    constexpr TRect(int l, int t, int r, int b) : left(l), top(t), right(r), bottom(b) {}

    constexpr int Width() const { return right - left; }
    constexpr int Height() const { return bottom - top; }

    // Smallest rectangle covering both (the container grows selection bounds this way).
    constexpr TRect Union(const TRect& o) const
    {
        return TRect(left < o.left ? left : o.left, top < o.top ? top : o.top,
                     right > o.right ? right : o.right, bottom > o.bottom ? bottom : o.bottom);
    }

    friend constexpr bool operator==(const TRect&, const TRect&) = default;
};
