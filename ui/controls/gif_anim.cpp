#include "ui/controls/gif_anim.h"

#include <cwchar>
#include <vector>

#include "ui/controls/gif_frames.h"
#include "ui/core/paint_manager.h"
#include "ui/core/value_syntax.h"
#include "ui/markup/skin_location.h"

namespace Veneer {
namespace {

constexpr UINT kFrameTimer = 100;

}  // namespace

CGifAnimUI::CGifAnimUI() = default;

CGifAnimUI::~CGifAnimUI() {
  if (GetManager()) GetManager()->StopTimer(this, kFrameTimer);
}

const wchar_t* CGifAnimUI::UiClassName() const {
  return L"GifAnimUI";
}

void* CGifAnimUI::AsInterface(const wchar_t* name) {
  return std::wcscmp(name, L"GifAnim") == 0 ? this : CControlUI::AsInterface(name);
}

void CGifAnimUI::OnInit() {
  Load();
}

// A picture that can't be read or decoded shows and plays nothing; it is
// not read again until the name changes.
void CGifAnimUI::Load() {
  if (frames_ || loadFailed_ || imageName_.empty()) return;
  std::vector<unsigned char> bytes;
  if (SkinLocation::Process().ReadSkinOrPlainFile(imageName_.c_str(), &bytes)) {
    frames_ = GifFrames::Decode(bytes);
  }
  if (!frames_) {
    loadFailed_ = true;
    return;
  }
  if (autoSize_) {
    const SIZE size = frames_->Size();
    SetFixedWidth(size.cx);
    SetFixedHeight(size.cy);
  }
  if (autoPlay_ && !playing_) {
    StartFrameTimer();
    playing_ = true;
  }
}

UINT CGifAnimUI::FrameCount() const {
  return frames_ ? frames_->FrameCount() : 0;
}

void CGifAnimUI::StartFrameTimer() {
  if (GetManager() && frames_)
    GetManager()->StartTimer(this, kFrameTimer, frames_->DelayOf(current_));
}

void CGifAnimUI::StopPlaying() {
  if (!playing_) return;
  if (GetManager()) GetManager()->StopTimer(this, kFrameTimer);
  current_ = 0;
  Invalidate();
  playing_ = false;
}

// No background, border or text: only the current frame, scaled.
void CGifAnimUI::Paint(HDC dc, const RECT& dirty) {
  RECT area;
  if (!IntersectRect(&area, &GetRect(), &dirty)) return;
  Load();
  if (frames_) frames_->Draw(dc, GetRect(), current_);
}

void CGifAnimUI::HandleEvent(UiEvent& event) {
  if (event.type != UiEventType::Timer || event.wParam != kFrameTimer || !frames_) return;
  PaintManager* manager = GetManager();
  if (!manager) return;
  manager->StopTimer(this, kFrameTimer);
  RequestLayout();
  current_ = (current_ + 1) % frames_->FrameCount();
  StartFrameTimer();
}

void CGifAnimUI::SetVisible(bool visible) {
  CControlUI::SetVisible(visible);
  if (visible && !playing_ && frames_) {
    StartFrameTimer();
    playing_ = true;
  } else if (!visible) {
    StopPlaying();
  }
}

void CGifAnimUI::SetImageName(const std::wstring& name) {
  if (name == imageName_ || name.empty()) return;
  imageName_ = name;
  StopPlaying();
  frames_.reset();
  loadFailed_ = false;
  Invalidate();
}

void CGifAnimUI::ApplyAttribute(const std::wstring& name, const std::wstring& value) {
  if (name == L"bkimage") {
    SetImageName(value);
  } else if (name == L"autoplay") {
    SetAutoPlay(ParseBool(value));
  } else if (name == L"autosize") {
    SetAutoSize(ParseBool(value));
  } else {
    CControlUI::ApplyAttribute(name, value);
  }
}

}  // namespace Veneer
