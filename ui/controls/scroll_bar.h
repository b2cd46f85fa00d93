// The scroll bar of a container: a track with a thumb whose length shows
// how much of the content is in view. Dragging the thumb scrolls its
// container, a press on the track pages it. Drawn plainly in colours.
#pragma once

#include <windows.h>

#include "ui/controls/control.h"

namespace Veneer {

class CContainerUI;

class CScrollBarUI : public CControlUI {
 public:
  CScrollBarUI();

  const wchar_t* UiClassName() const override;
  void* AsInterface(const wchar_t* name) override;
  void SetRect(const RECT& rect) override;
  void HandleEvent(UiEvent& event) override;
  void ApplyAttribute(const std::wstring& name, const std::wstring& value) override;
  void PaintStateImage(HDC dc) override;

  CContainerUI* GetOwner() const { return owner_; }
  void SetOwner(CContainerUI* owner) { owner_ = owner; }
  bool IsHorizontal() const { return horizontal_; }
  // A vertical bar is 16 wide, a horizontal one 16 high, until the skin says.
  void SetHorizontal(bool horizontal);
  int GetScrollRange() const { return range_; }
  void SetScrollRange(int range);  // negative ranges are 0
  int GetScrollPos() const { return position_; }
  void SetScrollPos(int position);  // clamped to [0, range]
  const RECT& GetThumbRect() const { return thumb_; }
  void SetTrackColor(DWORD colour);
  void SetThumbColor(DWORD colour);

 private:
  int TrackLength() const;
  void PlaceThumb();
  void DragTo(POINT point);

  CContainerUI* owner_ = nullptr;
  bool horizontal_ = false;
  int range_ = 100;
  int position_ = 0;
  DWORD trackColour_ = 0xFFE6E6E6;
  DWORD thumbColour_ = 0xFFA0A0A0;
  RECT thumb_ = {0, 0, 0, 0};
  bool dragging_ = false;
  POINT dragStart_ = {0, 0};
  int dragStartPosition_ = 0;
};

}  // namespace Veneer
