#include "ui/controls/gif_frames.h"

#include <gdiplus.h>

#include <cstring>

namespace Veneer {
namespace {

// GIF delays are 16-bit hundredths of a second; anything larger is hostile.
constexpr UINT kMaxDelay = 65535;

}  // namespace

std::unique_ptr<GifFrames> GifFrames::Decode(const std::vector<unsigned char>& bytes) {
  if (bytes.empty()) return nullptr;
  HGLOBAL block = GlobalAlloc(GMEM_FIXED, bytes.size());
  if (!block) return nullptr;
  std::memcpy(block, bytes.data(), bytes.size());
  IStream* stream = nullptr;
  if (FAILED(CreateStreamOnHGlobal(block, TRUE, &stream))) {
    GlobalFree(block);
    return nullptr;
  }
  std::unique_ptr<Gdiplus::Image> image(new Gdiplus::Image(stream));
  if (image->GetLastStatus() != Gdiplus::Ok) {
    image.reset();
    stream->Release();
    return nullptr;
  }
  return std::unique_ptr<GifFrames>(new GifFrames(stream, std::move(image)));
}

GifFrames::GifFrames(IStream* stream, std::unique_ptr<Gdiplus::Image> image)
    : stream_(stream), image_(std::move(image)) {
  const UINT frames = image_->GetFrameCount(&Gdiplus::FrameDimensionTime);
  if (frames > 1) frameCount_ = frames;
  const UINT size = image_->GetPropertyItemSize(PropertyTagFrameDelay);
  if (size < sizeof(Gdiplus::PropertyItem)) return;
  std::vector<unsigned char> buffer(size);
  auto* item = reinterpret_cast<Gdiplus::PropertyItem*>(buffer.data());
  if (image_->GetPropertyItem(PropertyTagFrameDelay, size, item) != Gdiplus::Ok) return;
  // The values lie in the buffer after the header; count only what is there.
  const auto* values = static_cast<const unsigned char*>(item->value);
  const auto* end = buffer.data() + buffer.size();
  if (values < buffer.data() || values > end) return;
  size_t count = item->length / sizeof(UINT);
  if (count > static_cast<size_t>(end - values) / sizeof(UINT)) {
    count = static_cast<size_t>(end - values) / sizeof(UINT);
  }
  delays_.resize(count);
  std::memcpy(delays_.data(), values, count * sizeof(UINT));
}

GifFrames::~GifFrames() {
  image_.reset();
  stream_->Release();
}

UINT GifFrames::DelayOf(UINT frame) const {
  const UINT delay = frame < delays_.size() ? delays_[frame] : 0;
  if (delay == 0) return 100;
  return (delay < kMaxDelay ? delay : kMaxDelay) * 10;
}

SIZE GifFrames::Size() const {
  return {static_cast<LONG>(image_->GetWidth()), static_cast<LONG>(image_->GetHeight())};
}

void GifFrames::Draw(HDC dc, const RECT& rect, UINT frame) {
  image_->SelectActiveFrame(&Gdiplus::FrameDimensionTime, frame);
  Gdiplus::Graphics graphics(dc);
  graphics.DrawImage(image_.get(), static_cast<INT>(rect.left), static_cast<INT>(rect.top),
                     static_cast<INT>(rect.right - rect.left),
                     static_cast<INT>(rect.bottom - rect.top));
}

}  // namespace Veneer
