#pragma once

// A rectangle of the Entry List in window pixels; right and bottom lie just outside it.
struct GridRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    bool operator==(const GridRect&) const = default;
};
