// Where the minimized dialog draws its icon.
#pragma once

// The offset that centres an icon of `iconExtent` pixels in `extent` pixels.
// The division truncates toward zero, so an odd spare pixel goes to the left
// (or top) margin and a client one to three pixels too small still gives 0 or -1.
constexpr int CentredIconOffset(int extent, int iconExtent) { return (extent - iconExtent + 1) / 2; }
