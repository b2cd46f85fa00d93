#include "ui/controls/scroll_bar.h"

#include <cwchar>

#include "ui/controls/attribute_table.h"
#include "ui/controls/container.h"
#include "ui/core/value_syntax.h"
#include "ui/render/renderer.h"

namespace Veneer {
namespace {

constexpr int kThickness = 16;
constexpr int kMinThumb = 8;

using Row = AttributeRow<CScrollBarUI>;

const Row kRows[] = {
    {L"hor", [](CScrollBarUI& c, const std::wstring& v) { c.SetHorizontal(ParseBool(v)); }},
    {L"range", [](CScrollBarUI& c, const std::wstring& v) { c.SetScrollRange(ParseInt(v)); }},
    {L"value", [](CScrollBarUI& c, const std::wstring& v) { c.SetScrollPos(ParseInt(v)); }},
    {L"trackcolor",
     [](CScrollBarUI& c, const std::wstring& v) { c.SetTrackColor(ParseColour(v)); }},
    {L"thumbcolor",
     [](CScrollBarUI& c, const std::wstring& v) { c.SetThumbColor(ParseColour(v)); }},
};

}  // namespace

CScrollBarUI::CScrollBarUI() {
  SetFixedWidth(kThickness);
}

const wchar_t* CScrollBarUI::UiClassName() const {
  return L"ScrollBarUI";
}

void* CScrollBarUI::AsInterface(const wchar_t* name) {
  return std::wcscmp(name, L"ScrollBar") == 0 ? this : CControlUI::AsInterface(name);
}

void CScrollBarUI::SetHorizontal(bool horizontal) {
  if (horizontal_ == horizontal) return;
  horizontal_ = horizontal;
  SetFixedWidth(horizontal ? 0 : kThickness);
  SetFixedHeight(horizontal ? kThickness : 0);
}

void CScrollBarUI::SetScrollRange(int range) {
  range_ = range > 0 ? range : 0;
  if (position_ > range_) position_ = range_;
  PlaceThumb();
}

void CScrollBarUI::SetScrollPos(int position) {
  if (position < 0) position = 0;
  if (position > range_) position = range_;
  if (position_ == position) return;
  position_ = position;
  PlaceThumb();
}

void CScrollBarUI::SetRect(const RECT& rect) {
  CControlUI::SetRect(rect);
  PlaceThumb();
}

int CScrollBarUI::TrackLength() const {
  return horizontal_ ? GetWidth() : GetHeight();
}

// The thumb's share of the track is the share of the content in view.
void CScrollBarUI::PlaceThumb() {
  const long long track = TrackLength();
  long long thumb = range_ > 0 ? track * track / (track + range_) : track;
  if (thumb < kMinThumb) thumb = track < kMinThumb ? track : kMinThumb;
  const long long start = range_ > 0 ? (track - thumb) * position_ / range_ : 0;
  const RECT& r = GetRect();
  thumb_ = r;
  if (horizontal_) {
    thumb_.left = static_cast<LONG>(r.left + start);
    thumb_.right = static_cast<LONG>(thumb_.left + thumb);
  } else {
    thumb_.top = static_cast<LONG>(r.top + start);
    thumb_.bottom = static_cast<LONG>(thumb_.top + thumb);
  }
  Invalidate();
}

// The owner scrolls to where the thumb is dragged; the position follows.
void CScrollBarUI::DragTo(POINT point) {
  const long long moved = horizontal_ ? point.x - dragStart_.x : point.y - dragStart_.y;
  const long long free =
      TrackLength() - (horizontal_ ? thumb_.right - thumb_.left : thumb_.bottom - thumb_.top);
  if (free <= 0) return;
  const long long target = dragStartPosition_ + moved * range_ / free;
  const int position = static_cast<int>(target < 0 ? 0 : target > range_ ? range_ : target);
  if (!owner_) return SetScrollPos(position);
  const SIZE now = owner_->GetScrollPos();
  owner_->SetScrollPos(horizontal_ ? SIZE{position, now.cy} : SIZE{now.cx, position});
}

void CScrollBarUI::HandleEvent(UiEvent& event) {
  switch (event.type) {
    case UiEventType::ButtonDown:
    case UiEventType::DblClick: {
      if (!IsEnabled()) return;
      if (PtInRect(&thumb_, event.mouse)) {
        dragging_ = true;
        dragStart_ = event.mouse;
        dragStartPosition_ = position_;
      } else if (owner_) {
        const bool before = horizontal_ ? event.mouse.x < thumb_.left : event.mouse.y < thumb_.top;
        if (horizontal_) {
          before ? owner_->PageLeft() : owner_->PageRight();
        } else {
          before ? owner_->PageUp() : owner_->PageDown();
        }
      }
      return;
    }
    case UiEventType::MouseMove:
      if (dragging_) DragTo(event.mouse);
      return;
    case UiEventType::ButtonUp: dragging_ = false; return;
    case UiEventType::ScrollWheel:
      if (owner_) owner_->HandleEvent(event);
      return;
    default: CControlUI::HandleEvent(event);
  }
}

void CScrollBarUI::ApplyAttribute(const std::wstring& name, const std::wstring& value) {
  if (!ApplyFromTable(kRows, *this, name, value)) CControlUI::ApplyAttribute(name, value);
}

void CScrollBarUI::SetTrackColor(DWORD colour) {
  trackColour_ = colour;
  Invalidate();
}

void CScrollBarUI::SetThumbColor(DWORD colour) {
  thumbColour_ = colour;
  Invalidate();
}

void CScrollBarUI::PaintStateImage(HDC dc) {
  CRenderer::RenderColor(dc, PaintRect(), trackColour_);
  RECT thumb;
  if (IntersectRect(&thumb, &thumb_, &PaintRect())) CRenderer::RenderColor(dc, thumb, thumbColour_);
}

}  // namespace Veneer
