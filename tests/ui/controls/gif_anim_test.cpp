// The animation on a real window: it plays on its own at its frames'
// delays, draws the current frame, keeps playing on a hidden page and stops
// only when it is hidden itself.
#include "ui/controls/gif_anim.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "tests/ui/support/gif_writer.h"
#include "tests/ui/support/pixel_test.h"
#include "ui/controls/label.h"
#include "ui/controls/tab_layout.h"
#include "ui/controls/vertical_layout.h"

namespace Veneer {
namespace {

using test::PumpMessages;
using test::PumpUntil;

constexpr std::uint32_t kColours[] = {0xFF0000, 0x00FF00, 0x0000FF};

class GifAnimTest : public test::PixelTest {
 protected:
  void SetUp() override {
    picture_ = folder_ / L"frames.gif";
    ASSERT_TRUE(
        test::WriteGif(picture_, 8, 8, {{kColours[0], 10}, {kColours[1], 10}, {kColours[2], 0}}));
  }
  // Counts the frames the animation moves on in `milliseconds`.
  int FramesIn(CGifAnimUI* gif, DWORD milliseconds) {
    int steps = 0;
    UINT last = gif->CurrentFrame();
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < milliseconds) {
      PumpMessages(5);
      if (gif->CurrentFrame() != last) {
        ++steps;
        last = gif->CurrentFrame();
      }
    }
    return steps;
  }
  std::wstring picture_;
};

TEST_F(GifAnimTest, PlaysOnItsOwnAtTheFramesDelaysAndDrawsTheCurrentFrame) {
  auto* gif = new CGifAnimUI;
  gif->ApplyAttributeText((L"pos=\"10,10,50,50\" bkimage=\"" + picture_ + L"\"").c_str());
  root_->Add(gif);  // initialised: loaded and playing before any paint
  ASSERT_TRUE(gif->IsLoaded());
  EXPECT_TRUE(gif->IsPlaying());
  EXPECT_EQ(gif->FrameCount(), 3u);
  // Delays of 10 hundredths and one of 0 (read as 100 ms): about ten frames
  // a second; the bounds only catch a stopped or a runaway animation.
  const int frames = FramesIn(gif, 1000);
  EXPECT_GE(frames, 5);
  EXPECT_LE(frames, 15);
  Paint();
  ExpectPixels({{30, 30, kColours[gif->CurrentFrame()]}});
}

TEST_F(GifAnimTest, AHiddenPageDoesNotStopItItsOwnVisibleDoes) {
  auto* tabs = new CTabLayoutUI;
  tabs->ApplyAttribute(L"pos", L"0,0,120,80");
  auto* gif = tabs->Add(new CVerticalLayoutUI)->Add(new CGifAnimUI);
  gif->SetImageName(picture_);
  tabs->Add(new CLabelUI);
  root_->Add(tabs);
  ASSERT_TRUE(tabs->SelectPage(1));
  EXPECT_FALSE(gif->IsVisible());
  EXPECT_GT(FramesIn(gif, 400), 0);
  gif->SetVisible(false);
  EXPECT_FALSE(gif->IsPlaying());
  EXPECT_EQ(gif->CurrentFrame(), 0u);
  EXPECT_EQ(FramesIn(gif, 300), 0);
  gif->SetVisible(true);
  EXPECT_TRUE(gif->IsPlaying());
  EXPECT_TRUE(PumpUntil(1000, [&] { return gif->CurrentFrame() != 0; }));
}

TEST_F(GifAnimTest, APictureThatCantBeReadShowsAndPlaysNothing) {
  const std::wstring garbage = folder_ / L"garbage.gif";
  FILE* file = _wfopen(garbage.c_str(), L"wb");
  ASSERT_NE(file, nullptr);
  std::fputs("GIF89a, or so it says", file);
  std::fclose(file);
  for (const std::wstring& name : {std::wstring(folder_ / L"missing.gif"), garbage}) {
    auto* gif = new CGifAnimUI;
    gif->ApplyAttributeText((L"pos=\"10,10,50,50\" bkimage=\"" + name + L"\"").c_str());
    root_->Add(gif);
    Paint();
    EXPECT_FALSE(gif->IsLoaded());
    EXPECT_FALSE(gif->IsPlaying());
    ExpectPixels({{30, 30, 0xFFFFFF}});
    root_->RemoveChild(gif);
  }
}

}  // namespace
}  // namespace Veneer
