// A picture decoded by GDI+ from bytes in memory, with the frames of its
// time dimension and their delays: the frames of an animated GIF.
#pragma once

#include <windows.h>

#include <objidl.h>

#include <memory>
#include <vector>

namespace Gdiplus {
class Image;
}

namespace Veneer {

class GifFrames {
 public:
  // nullptr when GDI+ can't decode the bytes. GDI+ must be running.
  static std::unique_ptr<GifFrames> Decode(const std::vector<unsigned char>& bytes);
  ~GifFrames();
  GifFrames(const GifFrames&) = delete;
  GifFrames& operator=(const GifFrames&) = delete;

  // At least 1: a picture without a time dimension is one frame.
  UINT FrameCount() const { return frameCount_; }
  // The delay of a frame in milliseconds; 100 for a delay of 0 or a frame
  // that has none.
  UINT DelayOf(UINT frame) const;
  SIZE Size() const;
  // Draws `frame` scaled to `rect`.
  void Draw(HDC dc, const RECT& rect, UINT frame);

 private:
  GifFrames(IStream* stream, std::unique_ptr<Gdiplus::Image> image);

  IStream* stream_;  // the image reads from it as long as it lives
  std::unique_ptr<Gdiplus::Image> image_;
  UINT frameCount_ = 1;
  std::vector<UINT> delays_;  // hundredths of a second
};

}  // namespace Veneer
