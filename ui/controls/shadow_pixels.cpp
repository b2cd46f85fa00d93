#include "ui/controls/shadow_pixels.h"

#include <algorithm>
#include <cmath>

namespace Veneer {
namespace {

// The shadow bitmap by rows from the top; writes outside it are dropped.
class ShadowCanvas {
 public:
  ShadowCanvas(std::uint32_t* bits, int width, int height)
      : bits_(bits), width_(width), height_(height) {}

  int width() const { return width_; }
  int height() const { return height_; }

  void Raise(int x, int y, std::uint32_t pixel) {
    if (std::uint32_t* p = At(x, y)) *p = std::max(*p, pixel);
  }
  // Sets the pixels [from, to) of row y.
  void Fill(int y, int from, int to, std::uint32_t pixel) {
    for (int x = std::max(from, 0); x < std::min(to, width_); ++x) *At(x, y) = pixel;
  }

 private:
  std::uint32_t* At(int x, int y) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return nullptr;
    return bits_ + static_cast<std::size_t>(height_ - 1 - y) * width_ + x;
  }

  std::uint32_t* bits_;
  int width_;
  int height_;
};

// The row spans in shadow coordinates for the rows [first, last), with one
// empty guard row on each side.
class SpanTable {
 public:
  SpanTable(int first, int last, RowSpan empty)
      : first_(first), spans_(static_cast<std::size_t>(last - first) + 2, empty) {}

  RowSpan& operator[](int row) { return spans_[static_cast<std::size_t>(row - first_ + 1)]; }

  // One pass of erosion: every span shrinks to what it shares with its two
  // neighbours, less one pixel on each side.
  void Erode() {
    std::vector<RowSpan> next = spans_;
    for (std::size_t i = 1; i + 1 < spans_.size(); ++i) {
      const RowSpan& a = spans_[i - 1];
      const RowSpan& b = spans_[i];
      const RowSpan& c = spans_[i + 1];
      next[i].start = std::max({a.start, b.start, c.start}) + 1;
      next[i].end = std::min({a.end, b.end, c.end}) - 1;
    }
    spans_.swap(next);
  }

 private:
  int first_;
  std::vector<RowSpan> spans_;
};

// A square of side 2K + 1: full darkness inside the centre radius, fading
// to nothing over the sharpness beyond it.
std::vector<std::uint32_t> MakeKernel(const ShadowStyle& style, int radius, int centre) {
  const int side = 2 * radius + 1;
  std::vector<std::uint32_t> kernel(static_cast<std::size_t>(side) * side, 0);
  for (int k = 0; k < side; ++k) {
    for (int l = 0; l < side; ++l) {
      const double d = std::sqrt(double((k - radius) * (k - radius) + (l - radius) * (l - radius)));
      int alpha = 0;
      if (d < centre) {
        alpha = style.darkness;
      } else if (d <= radius) {
        alpha = static_cast<int>((1 - (d - centre) / (style.sharpness + 1)) * style.darkness);
      }
      kernel[static_cast<std::size_t>(k) * side + l] = ShadowPixel(style.colour, alpha);
    }
  }
  return kernel;
}

void LayKernel(ShadowCanvas& canvas, const std::vector<std::uint32_t>& kernel, int radius, int x,
               int y) {
  const int side = 2 * radius + 1;
  for (int k = 0; k < side; ++k) {
    for (int l = 0; l < side; ++l) {
      canvas.Raise(x - radius + l, y - radius + k, kernel[static_cast<std::size_t>(k) * side + l]);
    }
  }
}

}  // namespace

std::uint32_t ShadowPixel(std::uint32_t colour, int alpha) {
  const auto part = [&](int shift) { return ((colour >> shift) & 0xFF) * alpha / 255; };
  return static_cast<std::uint32_t>(alpha) << 24 | part(16) << 16 | part(8) << 8 | part(0);
}

void MakeShadowPixels(const ShadowStyle& style, int parentWidth,
                      const std::vector<RowSpan>& parentRows, std::uint32_t* bits) {
  const int size = style.size;
  const int parentHeight = static_cast<int>(parentRows.size());
  ShadowCanvas canvas(bits, parentWidth + 2 * size, parentHeight + 2 * size);
  if (canvas.width() <= 0 || canvas.height() <= 0) return;

  // 1. The parent's rows shifted into shadow coordinates; the rows around
  // them are empty.
  const RowSpan empty = {parentWidth, 0};
  SpanTable spans(std::min(0, size), std::max(canvas.height(), parentHeight + size), empty);
  for (int y = 0; y < parentHeight; ++y) {
    const RowSpan& row = parentRows[static_cast<std::size_t>(y)];
    if (row.start < row.end) spans[y + size] = {row.start + size, row.end + size};
  }

  // 2. Erosion.
  for (int pass = 0; pass < style.sharpness - size; ++pass) spans.Erode();

  // 3. Dilation with the blurring kernel along the left and right edges.
  const int radius = std::max<int>(size, style.sharpness);
  const int centre = size > style.sharpness ? size - style.sharpness : 0;
  const std::vector<std::uint32_t> kernel = MakeKernel(style, radius, centre);
  for (int i = radius; i < canvas.height() - radius; ++i) {
    const RowSpan row = spans[i];
    if (row.start >= row.end) continue;
    const RowSpan above = spans[i - 1];
    const RowSpan below = spans[i + 1];
    int j = row.start;
    for (; j < std::min(std::max(above.start, below.start) + 1, row.end); ++j) {
      LayKernel(canvas, kernel, radius, j, i);
    }
    for (j = std::max(j, std::min(above.end, below.end) - 1); j < row.end; ++j) {
      LayKernel(canvas, kernel, radius, j, i);
    }
  }

  // 4. Fill the inside at full darkness, except under the shifted window.
  const std::uint32_t full = ShadowPixel(style.colour, style.darkness);
  const int shiftX = size - style.offsetX;
  const int shiftY = size - style.offsetY;
  const int from = std::min(radius, std::max(shiftY, 0));
  const int to =
      std::max(canvas.height() - radius, std::min(parentHeight + shiftY, parentHeight + 2 * size));
  for (int i = from; i < to; ++i) {
    const RowSpan row = spans[i];
    const int parentRow = i - shiftY;
    if (parentRow < 0 || parentRow >= parentHeight) {
      canvas.Fill(i, row.start, row.end, full);
      continue;
    }
    const RowSpan& under = parentRows[static_cast<std::size_t>(parentRow)];
    const bool covered = under.start < under.end;
    const int cutStart = (covered ? under.start : parentWidth) + shiftX;
    const int cutEnd = (covered ? under.end : 0) + shiftX;
    canvas.Fill(i, row.start, std::min(cutStart, row.end), full);
    canvas.Fill(i, cutStart, cutEnd, 0);
    canvas.Fill(i, std::max(cutEnd, row.start), row.end, full);
  }
}

}  // namespace Veneer
