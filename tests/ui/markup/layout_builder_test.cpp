// The dialog builder over small layouts, read back from the built tree:
// classes, names, attributes, fonts, defaults and the window's settings.
#include "ui/markup/layout_builder.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "tests/ui/support/ui_test_window.h"
#include "ui/controls/control.h"
#include "ui/controls/label.h"
#include "ui/core/control_interface.h"
#include "ui/core/paint_manager.h"
#include "ui/markup/skin_location.h"

namespace Veneer {
namespace {

// "Class:name{children}" of a tree, children separated by commas.
std::wstring Tree(CControlUI* control) {
  if (!control) return L"none";
  std::wstring text = control->UiClassName();
  if (!control->GetName().empty()) text += L":" + control->GetName();
  auto* container = InterfaceOf<IContainerUI>(control, L"IContainer");
  if (container && container->ChildCount() > 0) {
    text += L"{";
    for (int i = 0; i < container->ChildCount(); ++i) {
      if (i) text += L",";
      text += Tree(container->ChildAt(i));
    }
    text += L"}";
  }
  return text;
}

int CountControls(CControlUI* control) {
  int count = 1;
  if (auto* container = InterfaceOf<IContainerUI>(control, L"IContainer")) {
    for (int i = 0; i < container->ChildCount(); ++i) count += CountControls(container->ChildAt(i));
  }
  return count;
}

class CustomControls : public IDialogBuilderCallback {
 public:
  CControlUI* CreateCustomControl(const wchar_t* name) override {
    asked += std::wstring(name) + L";";
    if (std::wstring(name) != L"Custom") return nullptr;
    auto* control = new CControlUI;
    control->SetName(L"custom");
    return control;
  }
  std::wstring asked;
};

class LayoutBuilderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SkinRequest request;
    request.folder = L"builder_fixture";
    SkinLocation::Process().PrepareForWindow(request);
  }

  // Builds `layout` for the test window's manager (or none); the tree is
  // owned by the test.
  CControlUI* Build(const std::wstring& layout, bool withManager = true,
                    IDialogBuilderCallback* callback = nullptr) {
    CLayoutBuilder builder;
    tree_.reset(builder.Build(layout.c_str(), nullptr, callback,
                              withManager ? &window_.manager() : nullptr, nullptr));
    return tree_.get();
  }

  test::TestWindow window_{200, 120};
  std::unique_ptr<CControlUI> tree_;
};

TEST_F(LayoutBuilderTest, EveryElementOfTheTableMakesItsClass) {
  CControlUI* root = Build(
      L"<Window><VerticalLayout name=\"top\">"
      L"<Control /><Container /><HorizontalLayout /><TabLayout /><Label /><Button /><Option />"
      L"<CheckBox /><Edit /><Progress /><GifAnim />"
      L"</VerticalLayout></Window>");
  EXPECT_EQ(Tree(root),
            L"VerticalLayoutUI:top{ControlUI,ContainerUI,HorizontalLayoutUI,TabLayoutUI,LabelUI,"
            L"ButtonUI,OptionUI,CheckBoxUI,EditUI,ProgressUI,GifAnimUI}");
}

// Names the builder doesn't know go to the callback; what it doesn't create
// is skipped with everything inside it. "RichEdit" is one of those.
TEST_F(LayoutBuilderTest, UnknownElementsGoToTheCallbackOrAreSkippedWholly) {
  CustomControls callback;
  CControlUI* root = Build(
      L"<Window><Container name=\"top\">"
      L"<Custom /><RichEdit name=\"rich\"><Label name=\"inside_rich\" /></RichEdit>"
      L"<label name=\"lower_case\" /><Bogus><Button name=\"inside_bogus\" /></Bogus>"
      L"<Label name=\"after\" /></Container></Window>",
      true, &callback);
  EXPECT_EQ(Tree(root), L"ContainerUI:top{ControlUI:custom,LabelUI:after}");
  EXPECT_EQ(callback.asked, L"Custom;RichEdit;label;Bogus;");
  EXPECT_EQ(Tree(Build(L"<Window><Custom /><Label /></Window>")), L"LabelUI") << "no callback";
}

// The result is the first control under the root; the root itself never
// becomes a control, whatever its name, and later top-level elements are
// not built (nothing would own them).
TEST_F(LayoutBuilderTest, TheResultIsTheFirstControlUnderTheRoot) {
  EXPECT_EQ(Tree(Build(L"<Window><Font name=\"Tahoma\" /><Label name=\"first\" />"
                       L"<Button name=\"second\" /></Window>")),
            L"LabelUI:first");
  EXPECT_EQ(Tree(Build(L"<Label name=\"root\"><Button name=\"child\" /></Label>")),
            L"ButtonUI:child");
  EXPECT_EQ(Tree(Build(L"<Window />")), L"none");
  EXPECT_EQ(Tree(Build(L"<Window><Font name=\"Tahoma\" /></Window>")), L"none");
}

// A container's children are kept in document order; a parent that is not
// a container takes none of them.
TEST_F(LayoutBuilderTest, ChildrenJoinContainersOnly) {
  EXPECT_EQ(Tree(Build(L"<Window><HorizontalLayout name=\"row\"><Label name=\"a\" />"
                       L"<VerticalLayout name=\"col\"><Button name=\"b\" /></VerticalLayout>"
                       L"<Edit name=\"c\" /></HorizontalLayout></Window>")),
            L"HorizontalLayoutUI:row{LabelUI:a,VerticalLayoutUI:col{ButtonUI:b},EditUI:c}");
  CControlUI* label =
      Build(L"<Window><Label name=\"leaf\"><Button name=\"lost\" /></Label></Window>");
  EXPECT_EQ(Tree(label), L"LabelUI:leaf");
}

// Defaults of the element's name first, then its own attributes; the first
// "Default" of a name wins.
TEST_F(LayoutBuilderTest, DefaultsComeFirstAndTheFirstDefaultWins) {
  CControlUI* root = Build(
      L"<Window><Default name=\"Label\" value=\"text=&quot;default&quot; "
      L"tooltip=&quot;tip&quot;\" />"
      L"<Default name=\"Label\" value=\"text=&quot;second&quot;\" />"
      L"<Default value=\"text=&quot;nameless&quot;\" />"
      L"<Container><Label name=\"plain\" /><Label name=\"own\" text=\"own\" />"
      L"<Button name=\"button\" /></Container></Window>");
  ASSERT_TRUE(root);
  PaintManager& manager = window_.manager();
  ASSERT_TRUE(manager.GetDefaultAttributes(L"Label"));
  EXPECT_EQ(*manager.GetDefaultAttributes(L"Label"), L"text=\"default\" tooltip=\"tip\"");
  auto* container = InterfaceOf<IContainerUI>(root, L"IContainer");
  ASSERT_EQ(container->ChildCount(), 3);
  EXPECT_EQ(container->ChildAt(0)->GetText(), L"default");
  EXPECT_EQ(container->ChildAt(1)->GetText(), L"own");
  EXPECT_EQ(container->ChildAt(1)->GetTooltip(), L"tip");
  EXPECT_EQ(container->ChildAt(2)->GetText(), L"");  // defaults go by element name
  EXPECT_EQ(root->GetManager(), nullptr);            // attached as a whole later
}

// Fonts are numbered in the order of the named "Font" elements; the last
// one marked default becomes the default font; a "Font" without a name
// does nothing.
TEST_F(LayoutBuilderTest, FontsAreNumberedAndTheLastDefaultWins) {
  PaintManager& manager = window_.manager();
  const std::wstring standard = manager.DefaultFont().face;
  ASSERT_TRUE(
      Build(L"<Window><Font size=\"30\" default=\"true\" />"
            L"<Font name=\"Tahoma\" size=\"14\" bold=\"true\" default=\"true\" />"
            L"<Font name=\"Courier New\" underline=\"true\" italic=\"true\" />"
            L"<Font name=\"Arial\" size=\"11\" default=\"true\" /><Control /></Window>"));
  EXPECT_EQ(manager.FontRecordOf(0).face, L"Tahoma");
  EXPECT_EQ(manager.FontRecordOf(0).size, 14);
  EXPECT_TRUE(manager.FontRecordOf(0).bold);
  EXPECT_EQ(manager.FontRecordOf(1).face, L"Courier New");
  EXPECT_EQ(manager.FontRecordOf(1).size, 12);  // the default size
  EXPECT_TRUE(manager.FontRecordOf(1).underline);
  EXPECT_TRUE(manager.FontRecordOf(1).italic);
  EXPECT_EQ(manager.FontRecordOf(2).face, L"Arial");
  EXPECT_EQ(manager.FontRecordOf(3).face, L"Arial") << "outside the table: the default font";
  EXPECT_EQ(manager.DefaultFont().face, L"Arial");
  EXPECT_EQ(manager.DefaultFont().size, 11);
  EXPECT_NE(standard, L"Arial");
}

TEST_F(LayoutBuilderTest, AFontWithoutANameChangesNothing) {
  PaintManager& manager = window_.manager();
  const std::wstring standard = manager.DefaultFont().face;
  const int size = manager.DefaultFont().size;
  ASSERT_TRUE(Build(L"<Window><Font size=\"30\" default=\"true\" /><Control /></Window>"));
  EXPECT_EQ(manager.DefaultFont().face, standard);
  EXPECT_EQ(manager.DefaultFont().size, size);
  EXPECT_EQ(manager.FontRecordOf(0).font.get(), manager.DefaultFont().font.get());  // no font 0
}

// Without a manager: the controls, but no fonts, pictures, defaults.
TEST_F(LayoutBuilderTest, WithoutAManagerOnlyTheControls) {
  PaintManager& manager = window_.manager();
  CControlUI* root = Build(
      L"<Window caption=\"0,0,0,30\"><Font name=\"Tahoma\" default=\"true\" />"
      L"<Default name=\"Label\" value=\"text=&quot;default&quot;\" />"
      L"<Container><Label name=\"plain\" /></Container></Window>",
      false);
  EXPECT_EQ(Tree(root), L"ContainerUI{LabelUI:plain}");
  EXPECT_EQ(InterfaceOf<IContainerUI>(root, L"IContainer")->ChildAt(0)->GetText(), L"");
  EXPECT_FALSE(manager.GetDefaultAttributes(L"Label"));
  EXPECT_NE(manager.DefaultFont().face, L"Tahoma");
  EXPECT_EQ(manager.GetCaption().bottom, 0);
}

// The window's settings, with their ranges, only from a root "Window".
TEST_F(LayoutBuilderTest, WindowAttributesOnlyFromAWindowRoot) {
  PaintManager& manager = window_.manager();
  ASSERT_TRUE(
      Build(L"<Window size=\"240,150\" caption=\"0,0,0,30\" sizebox=\"4,5,6,7\" "
            L"roundcorner=\"5,6\" mininfo=\"100,80\" maxinfo=\"580,420\" "
            L"defaultfontcolor=\"#FF112233\" linkfontcolor=\"00FF00\" "
            L"gdiplustext=\"true\" bktrans=\"true\" showshadow=\"true\" "
            L"shadowsize=\"21\" shadowposition=\"5,30\" shadowsharpness=\"-1\" "
            L"shadowdarkness=\"99\" shadowcorner=\"9,-1,9,9\" unknown=\"1\">"
            L"<Control /></Window>"));
  RECT rect;
  GetWindowRect(window_.hwnd(), &rect);
  EXPECT_EQ(rect.right - rect.left, 240);
  EXPECT_EQ(rect.bottom - rect.top, 150);
  EXPECT_EQ(manager.GetInitialSize().cx, 240);
  EXPECT_EQ(manager.GetCaption().bottom, 30);
  EXPECT_EQ(manager.GetSizeBox().left, 4);
  EXPECT_EQ(manager.GetSizeBox().bottom, 7);
  EXPECT_EQ(manager.GetRoundCorner().cy, 6);
  EXPECT_EQ(manager.GetMinSize().cx, 100);
  EXPECT_EQ(manager.GetMaxSize().cy, 420);
  EXPECT_EQ(manager.GetDefaultColours().text, 0xFF112233u);
  EXPECT_EQ(manager.GetDefaultColours().link, 0x0000FF00u);
  EXPECT_TRUE(manager.IsGdiplusText());
  EXPECT_TRUE(manager.IsTransparentBackground());
  const ShadowStyle& shadow = manager.GetShadow().Style();
  EXPECT_TRUE(shadow.show);
  EXPECT_EQ(shadow.size, 0);
  EXPECT_EQ(shadow.offsetX, 0);
  EXPECT_EQ(shadow.offsetY, 0);
  EXPECT_EQ(shadow.sharpness, 5);
  EXPECT_EQ(shadow.darkness, 99);
  EXPECT_TRUE(shadow.corners.IsZero());
  EXPECT_EQ(manager.GetShadow().GetHWND(), nullptr) << "drawn once the tree is attached";

  ASSERT_TRUE(Build(L"<Window shadowsize=\"-20\" shadowposition=\"-20,20\"><Control /></Window>"));
  EXPECT_EQ(shadow.size, -20);
  EXPECT_EQ(shadow.offsetX, -20);
  EXPECT_EQ(shadow.offsetY, 20);

  test::TestWindow second(200, 120);  // a window of its own, untouched
  CLayoutBuilder builder;
  std::unique_ptr<CControlUI> tree(
      builder.Build(L"<Dialog caption=\"0,0,0,30\" size=\"300,300\" showshadow=\"true\">"
                    L"<Control /></Dialog>",
                    nullptr, nullptr, &second.manager(), nullptr));
  ASSERT_TRUE(tree);
  EXPECT_EQ(second.manager().GetCaption().bottom, 0);
  EXPECT_FALSE(second.manager().GetShadow().Style().show);
  GetWindowRect(second.hwnd(), &rect);
  EXPECT_EQ(rect.right - rect.left, 200);
}

TEST_F(LayoutBuilderTest, AlphaWithinItsRangeMakesTheWindowLayered) {
  ASSERT_TRUE(Build(L"<Window alpha=\"200\"><Control /></Window>"));
  EXPECT_EQ(window_.manager().GetOpacity(), 200);
  EXPECT_TRUE(GetWindowLongW(window_.hwnd(), GWL_EXSTYLE) & WS_EX_LAYERED);
  ASSERT_TRUE(Build(L"<Window alpha=\"300\"><Control /></Window>"));
  EXPECT_EQ(window_.manager().GetOpacity(), 255);
  EXPECT_FALSE(GetWindowLongW(window_.hwnd(), GWL_EXSTYLE) & WS_EX_LAYERED);
}

// "Include" builds its source "count" times into the same parent; with
// count 0 or without a source it creates nothing.
TEST_F(LayoutBuilderTest, IncludeSplicesItsSourceCountTimes) {
  struct Case {
    const wchar_t* include;
    const wchar_t* tree;
  };
  const Case cases[] = {
      {L"<Include source=\"part.xml\" />", L"ContainerUI{LabelUI:part_label,LabelUI:after}"},
      {L"<Include source=\"part.xml\" count=\"3\" />",
       L"ContainerUI{LabelUI:part_label,LabelUI:part_label,LabelUI:part_label,LabelUI:after}"},
      {L"<Include source=\"part.xml\" count=\"0\" />", L"ContainerUI{LabelUI:after}"},
      {L"<Include count=\"2\" />", L"ContainerUI{LabelUI:after}"},
      {L"<Include />", L"ContainerUI{LabelUI:after}"},
      {L"<Include source=\"missing.xml\" />", L"ContainerUI{LabelUI:after}"},
      {L"<Include source=\"&lt;Window&gt;&lt;Button name=&quot;text&quot;/&gt;&lt;/Window&gt;\" />",
       L"ContainerUI{ButtonUI:text,LabelUI:after}"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Tree(Build(std::wstring(L"<Window><Container>") + c.include +
                         L"<Label name=\"after\" /></Container></Window>")),
              c.tree)
        << c.include;
  }
  // The included layout's own resources and window settings take effect.
  CControlUI* root =
      Build(L"<Window><Container><Include source=\"part.xml\" /></Container></Window>");
  ASSERT_TRUE(root);
  EXPECT_EQ(InterfaceOf<IContainerUI>(root, L"IContainer")->ChildAt(0)->GetText(), L"from part");
  EXPECT_EQ(window_.manager().GetInitialSize().cx, 300);
}

TEST_F(LayoutBuilderTest, ALayoutThatIncludesItselfEnds) {
  CControlUI* root = Build(
      L"<Window><Container name=\"top\"><Include source=\"self.xml\" "
      L"count=\"3\" /></Container></Window>");
  ASSERT_TRUE(root);
  const int count = CountControls(root);
  EXPECT_GT(count, 8);
  EXPECT_LE(count, 1 + CLayoutBuilder::kMaxIncludes);
}

TEST_F(LayoutBuilderTest, NestingDeeperThanTheLimitIsCutOff) {
  std::wstring layout = L"<Window>";
  for (int i = 0; i < 500; ++i) layout += L"<Container>";
  for (int i = 0; i < 500; ++i) layout += L"</Container>";
  layout += L"</Window>";
  CControlUI* root = Build(layout);
  ASSERT_TRUE(root);
  EXPECT_EQ(CountControls(root), CLayoutBuilder::kMaxNesting);
}

TEST_F(LayoutBuilderTest, ALayoutThatCantBeLoadedGivesNothing) {
  CLayoutBuilder missing;
  EXPECT_EQ(missing.Build(L"missing.xml", nullptr, nullptr, &window_.manager(), nullptr), nullptr);
  EXPECT_NE(missing.Document().ErrorMessage()[0], L'\0');
  CLayoutBuilder broken;
  EXPECT_EQ(broken.Build(L"<Window><Label></Window>", nullptr, nullptr, nullptr, nullptr), nullptr);
  CLayoutBuilder resource;
  EXPECT_EQ(resource.Build(MAKEINTRESOURCEW(4321), L"xml", nullptr, nullptr, nullptr), nullptr);
}

}  // namespace
}  // namespace Veneer
