// An animated picture (a GIF, decoded by GDI+) that plays on its own from
// the moment it is initialised, frame by frame at each frame's delay. Only
// its own "visible" stops it: a hidden page does not. It draws nothing but
// the picture, scaled to its rectangle, and sends no notifications.
#pragma once

#include <windows.h>

#include <memory>

#include "ui/controls/control.h"

namespace Veneer {

class GifFrames;

class CGifAnimUI : public CControlUI {
 public:
  CGifAnimUI();
  ~CGifAnimUI() override;

  const wchar_t* UiClassName() const override;
  void* AsInterface(const wchar_t* name) override;
  void OnInit() override;  // loads the picture and starts playing
  void Paint(HDC dc, const RECT& dirty) override;
  void HandleEvent(UiEvent& event) override;
  void SetVisible(bool visible) override;
  void ApplyAttribute(const std::wstring& name, const std::wstring& value) override;
  AccessibleTraits DescribeForAccessibility() override;  // an animation, busy while it plays

  // A new name drops the loaded picture; the next paint loads it.
  void SetImageName(const std::wstring& name);
  const std::wstring& GetImageName() const { return imageName_; }
  void SetAutoPlay(bool on) { autoPlay_ = on; }
  void SetAutoSize(bool on) { autoSize_ = on; }
  bool IsPlaying() const { return playing_; }
  bool IsLoaded() const { return frames_ != nullptr; }
  UINT FrameCount() const;
  UINT CurrentFrame() const { return current_; }

 private:
  void Load();
  void StartFrameTimer();
  void StopPlaying();

  std::unique_ptr<GifFrames> frames_;
  UINT current_ = 0;
  std::wstring imageName_;
  bool loadFailed_ = false;  // until the name changes
  bool autoPlay_ = true;
  bool autoSize_ = false;
  bool playing_ = false;
};

}  // namespace Veneer
