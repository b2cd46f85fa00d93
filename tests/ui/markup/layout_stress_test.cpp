// Layouts are hostile input: thousands of mutated layouts (random elements,
// nesting, attribute names and values, unknown elements, includes of
// themselves) are built, attached to real windows, painted and destroyed,
// with no crash, no hang and nothing left behind.
#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <string>

#include "tests/ui/support/resource_count.h"
#include "tests/ui/support/skinned_window.h"
#include "tests/ui/support/ui_test_window.h"
#include "ui/core/paint_manager.h"
#include "ui/markup/layout_builder.h"
#include "ui/markup/skin_location.h"

namespace Veneer {
namespace {

const wchar_t* const kElements[] = {
    L"Control",   L"Container", L"VerticalLayout", L"HorizontalLayout",
    L"TabLayout", L"Label",     L"Button",         L"Option",
    L"CheckBox",  L"Edit",      L"Progress",       L"GifAnim",
    L"RichEdit",  L"Bogus",     L"Include",        L"Font",
    L"Image",     L"Default",   L"Window",
};

const wchar_t* const kAttributes[] = {
    L"pos",
    L"padding",
    L"bkcolor",
    L"bkcolor2",
    L"bkimage",
    L"text",
    L"font",
    L"width",
    L"height",
    L"minwidth",
    L"maxheight",
    L"float",
    L"visible",
    L"enabled",
    L"name",
    L"bordersize",
    L"borderround",
    L"bordercolor",
    L"textpadding",
    L"align",
    L"valign",
    L"normalimage",
    L"hotimage",
    L"selected",
    L"group",
    L"maxchar",
    L"password",
    L"value",
    L"max",
    L"min",
    L"size",
    L"caption",
    L"sizebox",
    L"roundcorner",
    L"mininfo",
    L"maxinfo",
    L"alpha",
    L"showshadow",
    L"shadowsize",
    L"shadowimage",
    L"shadowcorner",
    L"shadowposition",
    L"shadowsharpness",
    L"shadowdarkness",
    L"shadowcolor",
    L"inset",
    L"childpadding",
    L"selectedid",
    L"vscrollbar",
    L"relativepos",
    L"tooltip",
    L"virtualwnd",
    L"source",
    L"count",
    L"default",
    L"bold",
    L"restype",
    L"mask",
    L"endellipsis",
    L"multiline",
};

class LayoutMutator {
 public:
  explicit LayoutMutator(unsigned seed) : random_(seed) {}

  // A whole layout; with `buildable`, its first control is a plain
  // container, so that a window built from it always has a root.
  std::wstring Layout(bool buildable) {
    nodes_ = 0;
    std::wstring text = L"<Window" + Attributes(6) + L">";
    if (buildable) text += L"<Container>";
    text += Children(0);
    if (buildable) text += L"</Container>";
    return text + L"</Window>";
  }

 private:
  int Below(int n) { return static_cast<int>(random_() % static_cast<unsigned>(n)); }

  std::wstring Number() {
    switch (Below(6)) {
      case 0: return std::to_wstring(Below(2000) - 1000);
      case 1: return L"2147483647";
      case 2: return L"-2147483648";
      case 3: return L"99999999999999";
      case 4: return std::to_wstring(Below(40) - 20);
      default: return std::to_wstring(Below(300));
    }
  }

  std::wstring Value() {
    switch (Below(10)) {
      case 0: return Number();
      case 1: return Number() + L"," + Number() + L"," + Number() + L"," + Number();
      case 2: return Number() + L"," + Number();
      case 3: return L"#" + std::to_wstring(random_());
      case 4: return Below(2) ? L"true" : L"false";
      case 5: return std::wstring(static_cast<size_t>(Below(600)), L'x');
      case 6:
        return L"file='missing.png' corner='" + Number() + L"," + Number() + L"," + Number() +
               L"," + Number() + L"' source='" + Number() + L",0,9,9'";
      case 7: return Below(2) ? L"stress_self.xml" : L"self.xml";
      case 8: return L"";
      default: return L"&amp;&lt;&quot;" + Number();
    }
  }

  std::wstring Attributes(int most) {
    std::wstring text;
    for (int i = Below(most + 1); i > 0; --i) {
      text += L" ";
      text += kAttributes[Below(static_cast<int>(std::size(kAttributes)))];
      text += L"=\"" + Value() + L"\"";
    }
    return text;
  }

  std::wstring Children(int depth) {
    std::wstring text;
    for (int i = Below(5); i > 0 && nodes_ < 60; --i) {
      ++nodes_;
      const std::wstring name = kElements[Below(static_cast<int>(std::size(kElements)))];
      text += L"<" + name + Attributes(4);
      if (depth < 6 && Below(3) == 0) {
        text += L">" + Children(depth + 1) + L"</" + name + L">";
      } else {
        text += L" />";
      }
    }
    return text;
  }

  std::mt19937 random_;
  int nodes_ = 0;
};

class LayoutStressTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SkinRequest request;
    request.folder = L"builder_fixture";
    SkinLocation::Process().PrepareForWindow(request);
  }

  // Built for a manager without a window, then deleted.
  static void BuildAlone(LayoutMutator& mutator, int count) {
    PaintManager manager;
    for (int i = 0; i < count; ++i) {
      CLayoutBuilder builder;
      const std::wstring layout = mutator.Layout(false);
      delete builder.Build(layout.c_str(), nullptr, nullptr, &manager, nullptr);
    }
  }

  // Built into one window's manager, each attached, painted and replaced
  // by the next.
  static void BuildIntoOneWindow(LayoutMutator& mutator, int count) {
    test::TestWindow window(200, 120);
    for (int i = 0; i < count; ++i) {
      CLayoutBuilder builder;
      const std::wstring layout = mutator.Layout(false);
      window.SetRoot(builder.Build(layout.c_str(), nullptr, nullptr, &window.manager(), nullptr));
      window.PaintNow();
      test::PumpMessages(0);
    }
  }

  // Skinned windows with their region and shadow. The content sits in a
  // disabled container, so that the first paint focuses no control: that
  // would activate the window, and wine then waits two seconds for a window
  // manager when it goes.
  static void OpenSkinnedWindows(LayoutMutator& mutator, int count) {
    for (int i = 0; i < count; ++i) {
      std::wstring layout = mutator.Layout(true);
      layout.insert(layout.find(L"<Container>") + 10, L" enabled=\"false\"");
      test::SkinnedWindow window(layout);
      ASSERT_TRUE(window.Open());
      MoveWindow(window.hwnd(), 120, 110, 220, 140, TRUE);
      UpdateWindow(window.hwnd());
      test::PumpMessages(0);
    }
  }
};

// GDI objects that wine keeps once a feature has been used, which a random
// layout may reach only late: its cache of device contexts with their clip
// regions (seen: two device contexts and seven regions, appearing in steps,
// not growing with the number of layouts). A leak of one object a layout
// would show thousands.
constexpr DWORD kFirstUseObjects = 12;

TEST_F(LayoutStressTest, MutatedLayoutsBuildPaintAndGoWithNothingLeft) {
  LayoutMutator mutator(20261210);
  BuildIntoOneWindow(mutator, 20);  // first-use caches settle
  OpenSkinnedWindows(mutator, 2);
  const test::Resources before = test::CountResources();
  constexpr int kAlone = 2000;
  constexpr int kPainted = 200;
  constexpr int kSkinned = 20;
  BuildAlone(mutator, kAlone);
  for (int i = 0; i < kPainted / 50; ++i) BuildIntoOneWindow(mutator, 50);
  OpenSkinnedWindows(mutator, kSkinned);
  const test::Resources after = test::CountResources();
  std::printf(
      "%d layouts: GDI objects %lu -> %lu, USER objects %lu -> %lu, kernel handles %lu -> "
      "%lu\n",
      kAlone + kPainted + kSkinned, before.gdi, after.gdi, before.user, after.user, before.kernel,
      after.kernel);
  EXPECT_LE(after.gdi, before.gdi + kFirstUseObjects);
  EXPECT_LE(after.user, before.user);
  EXPECT_LE(after.kernel, before.kernel);
}

}  // namespace
}  // namespace Veneer
