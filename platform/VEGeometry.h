#pragma once

#include <QString>
#include <optional>

// Geometry in points, origin at the bottom-left, y growing upwards.
// These are plain value records; the one conversion to and from Qt's
// top-left coordinates lives in VECoordinates.

struct VEPoint {
    float x = 0;
    float y = 0;
    friend bool operator==(const VEPoint&, const VEPoint&) = default;
};

struct VESize {
    float width = 0;
    float height = 0;
    friend bool operator==(const VESize&, const VESize&) = default;
};

struct VERect {
    VEPoint origin;
    VESize size;

    constexpr VERect() = default;
    constexpr VERect(float x, float y, float w, float h) : origin{x, y}, size{w, h} {}

    float x() const { return origin.x; }
    float y() const { return origin.y; }
    float width() const { return size.width; }
    float height() const { return size.height; }
    float minX() const { return origin.x; }
    float minY() const { return origin.y; }
    float maxX() const { return origin.x + size.width; }
    float maxY() const { return origin.y + size.height; }
    bool isEmpty() const { return size.width <= 0 || size.height <= 0; }

    // A point lies in a rectangle when minX <= x < maxX and minY <= y < maxY.
    bool containsPoint(VEPoint p) const
    {
        return p.x >= minX() && p.x < maxX() && p.y >= minY() && p.y < maxY();
    }
    // Moves the edges in by dx on the left and right and by dy at the bottom and top
    // (negative values widen the rectangle).
    VERect insetBy(float dx, float dy) const
    {
        return {origin.x + dx, origin.y + dy, size.width - 2 * dx, size.height - 2 * dy};
    }
    VERect offsetBy(float dx, float dy) const
    {
        return {origin.x + dx, origin.y + dy, size.width, size.height};
    }

    friend bool operator==(const VERect&, const VERect&) = default;
};

// The point-string form "{x, y}" used in stored preferences.
QString VEStringFromPoint(VEPoint point);
// Reads "{x, y}" (spaces optional); none when the text is not a point.
std::optional<VEPoint> VEPointFromString(const QString& text);
