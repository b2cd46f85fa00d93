// The controls the skins use: their attributes, the images of their states
// and the progress bar's foreground, judged from the painted pixels, and
// the behaviour of options and buttons driven by events.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>

#include "tests/ui/support/pixel_test.h"
#include "ui/controls/button.h"
#include "ui/controls/check_box.h"
#include "ui/controls/edit.h"
#include "ui/controls/gif_anim.h"
#include "ui/controls/label.h"
#include "ui/controls/option.h"
#include "ui/controls/progress.h"
#include "ui/controls/tab_layout.h"
#include "ui/controls/vertical_layout.h"

namespace Veneer {
namespace {

using test::NotificationLog;
using test::Probe;

constexpr std::uint32_t kRed = 0xFF0000, kGreen = 0x00FF00, kBlue = 0x0000FF, kGrey = 0x808080,
                        kYellow = 0xFFFF00, kWhite = 0xFFFFFF;

UiEvent EventOf(UiEventType type, POINT point = {0, 0}) {
  UiEvent event;
  event.type = type;
  event.mouse = point;
  return event;
}

TEST(LabelAttributes, AlignmentWordsChangeTheStyleBitsInTheirOrder) {
  struct Case {
    const wchar_t* align;
    const wchar_t* valign;
    UINT style;
  };
  const UINT button = DT_SINGLELINE | DT_VCENTER | DT_CENTER;
  const Case cases[] = {
      {L"left", L"center", DT_VCENTER},  // "center" is no vertical word
      {L"center", L"", button},
      {L"right", L"top", DT_RIGHT | DT_SINGLELINE},
      {L"", L"bottom", DT_SINGLELINE | DT_BOTTOM | DT_CENTER},
      {L"leftright", L"vcenter", DT_RIGHT | DT_VCENTER | DT_SINGLELINE},
  };
  for (const auto& c : cases) {
    CButtonUI b;
    b.ApplyAttribute(L"align", c.align);
    b.ApplyAttribute(L"valign", c.valign);
    EXPECT_EQ(b.GetTextStyle(), c.style) << testing::PrintToString(std::wstring(c.align));
  }
  CLabelUI label;
  EXPECT_EQ(label.GetTextStyle(), static_cast<UINT>(DT_VCENTER));
  label.ApplyAttributeText(L"Font=\"3\" endellipsis=\"true\" textpadding=\"1,2,3,4\"");
  EXPECT_EQ(label.GetFont(), -1);  // "Font" is not "font"
  EXPECT_EQ(label.GetTextStyle(), static_cast<UINT>(DT_VCENTER | DT_END_ELLIPSIS));
  EXPECT_EQ(label.GetTextPadding().bottom, 4);
  CButtonUI multi;
  multi.ApplyAttribute(L"multiline", L"true");
  EXPECT_EQ(multi.GetTextStyle(), static_cast<UINT>(DT_WORDBREAK | DT_VCENTER | DT_CENTER));
}

TEST(LabelAttributes, TextEffectsAreStoredAndKeepTheTextApart) {
  CLabelUI label;
  label.SetText(L"plain");
  label.ApplyAttributeText(
      L"enabledeffect=\"true\" transshadow=\"40\" shadowoffset=\"2,3\" strokecolor=\"#FF102030\" "
      L"text=\"effect\"");
  EXPECT_EQ(label.TextEffects().transShadow, 40);
  EXPECT_EQ(label.TextEffects().shadowOffset.cy, 3);
  EXPECT_EQ(label.TextEffects().strokeColour, 0xFF102030u);
  EXPECT_EQ(label.GetText(), L"effect");
  label.ApplyAttribute(L"enabledeffect", L"false");
  EXPECT_EQ(label.GetText(), L"plain");
}

TEST(ProgressValue, ValuesOutsideTheRangeOrEqualAreIgnored) {
  CProgressUI p;
  EXPECT_EQ(p.GetFixedHeight(), 12);
  EXPECT_EQ(p.GetTextStyle(), static_cast<UINT>(DT_SINGLELINE | DT_CENTER));
  p.SetValue(37);
  p.SetValue(101);
  p.SetValue(-1);
  EXPECT_EQ(p.GetValue(), 37);
  p.ApplyAttributeText(L"min=\"50\" max=\"60\" value=\"55\"");
  EXPECT_EQ(p.GetValue(), 55);
}

TEST(EditAttributes, CountsAndCharactersFallBackWhenTheSkinIsWrong) {
  CEditUI e;
  e.ApplyAttributeText(L"maxchar=\"-5\" passwordchar=\"\" numberonly=\"true\"");
  EXPECT_EQ(e.GetMaxChar(), 255);
  EXPECT_EQ(e.GetPasswordChar(), L'*');
  EXPECT_EQ(e.GetExtraStyle(), static_cast<DWORD>(ES_NUMBER));
  e.ApplyAttributeText(L"maxchar=\"12\" passwordchar=\"#x\" numberonly=\"false\"");
  EXPECT_EQ(e.GetMaxChar(), 12);
  EXPECT_EQ(e.GetPasswordChar(), L'#');
  EXPECT_EQ(e.GetExtraStyle(), 0u);
  EXPECT_EQ(e.GetBkColor(), 0xFFFFFFFFu);
  EXPECT_EQ(e.GetTextPadding().left, 4);
}

// Solid pictures, one per colour, for the state images.
class ControlPixelTest : public test::PixelTest {
 protected:
  ControlPixelTest() : test::PixelTest(500, 60) { window_.manager().AddListener(&log_); }
  ~ControlPixelTest() override { window_.manager().RemoveListener(&log_); }
  std::wstring Solid(const wchar_t* name, std::uint32_t rgb) {
    return MakeImage(name, 8, 8, [rgb](int, int) { return 0xFF000000 | rgb; });
  }
  template <typename T>
  T* Place(T* control, const wchar_t* attributes) {
    control->ApplyAttribute(L"pos", L"10,10,50,30");
    control->ApplyAttributeText(attributes);
    return root_->Add(control);
  }
  NotificationLog log_;
};

TEST_F(ControlPixelTest, AButtonDrawsTheImageOfItsState) {
  const std::wstring red = Solid(L"red.png", kRed), grey = Solid(L"grey.png", kGrey),
                     green = Solid(L"green.png", kGreen), yellow = Solid(L"yellow.png", kYellow);
  const std::wstring missing = (folder_ / L"missing.png");
  struct Case {
    const char* name;
    std::wstring attributes;
    std::function<void(CButtonUI&)> into;
    std::uint32_t expected;
  };
  const auto hot = [](CButtonUI& b) {
    UiEvent e = EventOf(UiEventType::MouseEnter);
    b.DispatchEvent(e);
  };
  const auto normal = L"normalimage=\"" + red + L"\"";
  const Case cases[] = {
      {"normal", normal, [](CButtonUI&) {}, kRed},
      {"disabled", normal + L" disabledimage=\"" + grey + L"\"",
       [](CButtonUI& b) { b.SetEnabled(false); }, kGrey},
      {"disabled without an image draws the normal one", normal,
       [](CButtonUI& b) { b.SetEnabled(false); }, kRed},
      {"hot with a missing hot image draws nothing", normal + L" hotimage=\"" + missing + L"\"",
       hot, kWhite},
      {"hot without an image fills the hot colour", normal + L" hotbkcolor=\"#FF0000FF\"", hot,
       kBlue},
      {"hot without image or colour draws the normal one", normal, hot, kRed},
      {"pushed", normal + L" pushedimage=\"" + green + L"\"",
       [](CButtonUI& b) {
         UiEvent e = EventOf(UiEventType::ButtonDown, {20, 20});
         b.DispatchEvent(e);
       },
       kGreen},
      {"focused", normal + L" focusedimage=\"" + yellow + L"\"", [](CButtonUI& b) { b.SetFocus(); },
       kYellow},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    auto* button = Place(new CButtonUI, c.attributes.c_str());
    Paint();
    c.into(*button);
    Paint();
    ExpectPixels({{30, 20, c.expected}});
    root_->RemoveChild(button);
  }
}

TEST_F(ControlPixelTest, AnOptionDrawsItsSelectedImageOrColourWhileSelected) {
  const std::wstring red = Solid(L"red.png", kRed), green = Solid(L"green.png", kGreen);
  const std::wstring normal = L"normalimage=\"" + red + L"\"";
  struct Case {
    std::wstring attributes;
    bool selected;
    std::uint32_t expected;
  };
  const Case cases[] = {
      {normal + L" selectedimage=\"" + green + L"\"", true, kGreen},
      {normal + L" selectedimage=\"" + green + L"\"", false, kRed},
      {normal + L" selectedbkcolor=\"#FF0000FF\"", true, kBlue},
      {normal, true, kRed},
  };
  for (const auto& c : cases) {
    auto* option = Place(new COptionUI, c.attributes.c_str());
    option->SetSelected(c.selected);
    Paint();
    ExpectPixels({{30, 20, c.expected}});
    root_->RemoveChild(option);
  }
}

// 480 pixels, 0 to 100, value 37: the foreground covers 177 pixels. The
// picture's red channel counts its columns, so stretched and cropped
// foregrounds differ.
TEST_F(ControlPixelTest, AProgressBarFillsItsValuesShareStretchedOrCropped) {
  const std::wstring ramp = MakeImage(L"ramp.png", 480, 12, [](int x, int) {
    return 0xFF000000u | (static_cast<std::uint32_t>(x / 2) << 16);
  });
  auto* bar = new CProgressUI;
  bar->ApplyAttributeText(
      (L"pos=\"10,10,490,22\" value=\"37\" foreimage=\"" + ramp + L"\"").c_str());
  root_->Add(bar);
  Paint();
  // Stretched, the image's 480 columns squeeze into 177.
  ExpectPixels({{10 + 176, 15, 0xEF0000, 3}, {10 + 177, 15, kWhite}, {10 + 88, 15, 0x780000, 3}});
  bar->SetValue(101);
  bar->ApplyAttribute(L"isstretchfore", L"false");
  Paint();
  // Cropped, column x shows the image's column x.
  ExpectPixels({{10 + 100, 15, 0x320000, 1}, {10 + 176, 15, 0x580000, 1}, {10 + 177, 15, kWhite}});
  bar->ApplyAttributeText(L"min=\"80\" max=\"20\"");  // inverted: corrected when painting
  Paint();
  EXPECT_EQ(bar->GetMaxValue(), 81);
  EXPECT_EQ(bar->GetValue(), 80);
  ExpectPixels({{10, 15, kWhite}});
}

TEST_F(ControlPixelTest, ACheckBoxTogglesAndOptionsOfAGroupExcludeEachOther) {
  auto* check = Place(new CCheckBoxUI, L"name=\"check\" selected=\"true\"");
  auto* first = Place(new COptionUI, L"name=\"first\" group=\"g\"");
  auto* second = Place(new COptionUI, L"name=\"second\" group=\"g\" selected=\"true\"");
  Paint();
  log_.entries.clear();
  // The selected state a "click" listener sees is the old one.
  std::vector<bool> seen;
  check->NotifyListenersOf().push_back([&](UiNotification&) {
    seen.push_back(check->IsSelected());
    return true;
  });
  EXPECT_TRUE(check->Activate());
  EXPECT_EQ(log_.entries, (std::vector<std::wstring>{L"click:check", L"selectchanged:check"}));
  EXPECT_EQ(seen, (std::vector<bool>{true, false}));
  log_.entries.clear();
  EXPECT_TRUE(first->Activate());
  EXPECT_TRUE(first->IsSelected());
  EXPECT_FALSE(second->IsSelected());
  EXPECT_EQ(log_.entries, (std::vector<std::wstring>{L"click:first", L"selectchanged:first"}));
  log_.entries.clear();
  EXPECT_TRUE(first->Activate());  // selecting the selected one again
  EXPECT_TRUE(first->IsSelected());
  first->SetGroup(L"");  // out of the group: it toggles
  EXPECT_TRUE(first->Activate());
  EXPECT_FALSE(first->IsSelected());
  second->SetEnabled(false);
  EXPECT_FALSE(second->Activate());
  EXPECT_EQ(second->GetButtonState(), 0u);
}

TEST_F(ControlPixelTest, AButtonClicksOnReleaseInsideAfterAPressInside) {
  auto* button = Place(new CButtonUI, L"name=\"b\"");
  Paint();
  log_.entries.clear();
  const auto send = [&](UiEventType type, POINT p) {
    UiEvent e = EventOf(type, p);
    button->DispatchEvent(e);
  };
  send(UiEventType::ButtonDown, {20, 20});
  send(UiEventType::MouseMove, {200, 20});
  EXPECT_FALSE(button->GetButtonState() & StatePushed);
  send(UiEventType::MouseMove, {21, 21});
  EXPECT_TRUE(button->GetButtonState() & StatePushed);
  send(UiEventType::ButtonUp, {21, 21});
  EXPECT_EQ(log_.Count(L"click:b"), 1);
  send(UiEventType::ButtonDown, {20, 20});
  send(UiEventType::ButtonUp, {200, 20});  // released outside
  send(UiEventType::ButtonUp, {20, 20});   // no press before it
  EXPECT_EQ(log_.Count(L"click:b"), 1);
  UiEvent key = EventOf(UiEventType::KeyDown);
  key.key = VK_SPACE;
  button->DispatchEvent(key);
  EXPECT_EQ(log_.Count(L"click:b"), 2);
  EXPECT_EQ(button->GetButtonState() & (StatePushed | StateCaptured), 0u);
}

// Every attribute of every control with values a skin must not be trusted
// with: nothing crashes, and the tree still lays out and paints.
TEST_F(ControlPixelTest, HostileAttributeValuesEndInTheirFallBacks) {
  const wchar_t* names[] = {
      L"pos",          L"padding",        L"width",         L"height",       L"minwidth",
      L"maxheight",    L"bkcolor",        L"bordersize",    L"borderround",  L"inset",
      L"childpadding", L"scrollstepsize", L"vscrollbar",    L"hscrollbar",   L"vscrollbarstyle",
      L"selectedid",   L"font",           L"textcolor",     L"textpadding",  L"align",
      L"valign",       L"shadowoffset",   L"autocalcwidth", L"normalimage",  L"bindtabindex",
      L"group",        L"selected",       L"maxchar",       L"passwordchar", L"min",
      L"max",          L"value",          L"foreimage",     L"bkimage",      L"relativepos",
      L"float"};
  const wchar_t* values[] = {L"-2147483648",
                             L"99999999999999999999",
                             L"#GG",
                             L",,,,",
                             L"1,2",
                             L"",
                             L"-1,-1,-1,-1",
                             L"2147483647,2147483647,-2147483648,-2147483648",
                             L"true",
                             L"file='' corner='-5,-5,99999,99999' source='9,9,-9,-9'",
                             L"range=\"-5\" value=\"99999\""};
  auto* page = new CVerticalLayoutUI;
  page->ApplyAttribute(L"pos", L"0,0,500,60");
  root_->Add(page);
  const std::function<CControlUI*()> makers[] = {
      [] { return new CVerticalLayoutUI; }, [] { return new CTabLayoutUI; },
      [] { return new CLabelUI; },          [] { return new CButtonUI; },
      [] { return new CCheckBoxUI; },       [] { return new CEditUI; },
      [] { return new CProgressUI; },       [] { return new CGifAnimUI; }};
  for (const auto& make : makers) {
    for (const wchar_t* value : values) {
      CControlUI* control = make();
      page->Add(control);
      for (const wchar_t* name : names) control->ApplyAttribute(name, value);
      EXPECT_GE(control->GetFixedWidth(), 0);
      EXPECT_GE(control->GetFixedHeight(), 0);
      if (auto* edit = InterfaceOf<CEditUI>(control, L"Edit")) {
        EXPECT_GE(edit->GetMaxChar(), 0);
      }
    }
  }
  Paint();
  Paint();
  SUCCEED();
}

}  // namespace
}  // namespace Veneer
