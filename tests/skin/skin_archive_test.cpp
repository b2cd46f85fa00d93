// The packed skin archive, read as the installer reads it: every layout
// parses; every picture a layout names is in the archive at the size the
// layout draws it; hot states stand out; the shadow and the animation are
// what the windows need; and every control the installer window and the
// message dialog look up by name is there, with its kind, on its page.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

#include "tests/skin/skin_layout.h"
#include "ui/core/value_syntax.h"

namespace Veneer::test {
namespace {

const wchar_t* const kLayouts[] = {L"BrowserInstallWnd.xml", L"message.xml", L"dialog.xml"};
constexpr size_t kArchiveBudget = 200 * 1024;

class SkinArchiveTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    archive_ = new SkinArchive();
    ASSERT_TRUE(archive_->Open(LUMO_SKIN_ARCHIVE)) << LUMO_SKIN_ARCHIVE;
  }
  static void TearDownTestSuite() {
    delete archive_;
    archive_ = nullptr;
  }

  static Layout Load(const wchar_t* name) {
    Layout layout;
    std::string error;
    EXPECT_TRUE(layout.Load(*archive_, name, &error)) << Narrow(name) << ": " << error;
    return layout;
  }

  static Picture Decode(const std::wstring& file) {
    std::vector<unsigned char> bytes;
    Picture picture;
    EXPECT_TRUE(archive_->Read(file, &bytes)) << Narrow(file) << " is not in the archive";
    if (!bytes.empty()) {
      EXPECT_TRUE(DecodePicture(bytes, &picture)) << Narrow(file);
    }
    return picture;
  }

  static SkinArchive* archive_;
};

SkinArchive* SkinArchiveTest::archive_ = nullptr;

TEST_F(SkinArchiveTest, EveryLayoutParsesAsAWindowAndTheArchiveKeepsToItsBudget) {
  for (const wchar_t* name : kLayouts) {
    const Layout layout = Load(name);
    EXPECT_EQ(layout.window().element, L"Window") << Narrow(name);
    EXPECT_GT(layout.window().width, 0) << Narrow(name);
    EXPECT_GT(layout.window().height, 0) << Narrow(name);
  }
  EXPECT_LE(archive_->size(), kArchiveBudget);
}

// A picture is drawn unscaled: drawn whole, it has the size it is drawn at;
// drawn in parts (states side by side), each part has that size and the
// parts together span the picture exactly.
TEST_F(SkinArchiveTest, EveryPictureHasTheSizeItsLayoutDrawsItAt) {
  struct Span {
    int width = 0;
    int height = 0;
    bool whole = false;
  };
  std::map<std::wstring, Span> spans;
  for (const wchar_t* name : kLayouts) {
    const Layout layout = Load(name);
    for (const PictureUse& use : PictureUses(layout)) {
      const std::string where = Narrow(name) + ": " + Narrow(use.file) + " as " +
                                Narrow(use.attribute) + " of " + use.control->Describe();
      ASSERT_GT(use.width, 0) << where << ": the layout leaves its width open";
      ASSERT_GT(use.height, 0) << where << ": the layout leaves its height open";
      Span& span = spans[use.file];
      if (use.source.IsZero()) {
        EXPECT_TRUE(span.width == 0 ||
                    (span.whole && span.width == use.width && span.height == use.height))
            << where << ": drawn at " << use.width << "x" << use.height << " and elsewhere at "
            << span.width << "x" << span.height;
        span = {use.width, use.height, true};
        continue;
      }
      if (use.corners.IsZero()) {
        EXPECT_EQ(use.source.Width(), use.width) << where;
        EXPECT_EQ(use.source.Height(), use.height) << where;
      }
      EXPECT_FALSE(span.whole) << where << ": drawn whole elsewhere";
      span.width = std::max(span.width, use.source.right);
      span.height = std::max(span.height, use.source.bottom);
    }
  }
  for (const auto& [file, span] : spans) {
    const Picture picture = Decode(file);
    EXPECT_EQ(picture.width, span.width) << Narrow(file);
    EXPECT_EQ(picture.height, span.height) << Narrow(file);
  }
}

// The share of pixels whose premultiplied colour differs by more than an
// eighth in some channel.
double ChangedShare(const Picture& a, const IntRect& partA, const Picture& b,
                    const IntRect& partB) {
  int changed = 0;
  for (int y = 0; y < partA.Height(); ++y) {
    for (int x = 0; x < partA.Width(); ++x) {
      const std::uint32_t p = a.Pixel(partA.left + x, partA.top + y);
      const std::uint32_t q = b.Pixel(partB.left + x, partB.top + y);
      for (int shift = 0; shift < 32; shift += 8) {
        const int delta = static_cast<int>(p >> shift & 0xFF) - static_cast<int>(q >> shift & 0xFF);
        if (delta > 32 || delta < -32) {
          ++changed;
          break;
        }
      }
    }
  }
  return static_cast<double>(changed) / (partA.Width() * partA.Height());
}

TEST_F(SkinArchiveTest, HotStatesStandOutFromTheirNormalStates) {
  const std::pair<const wchar_t*, const wchar_t*> kStatePairs[] = {
      {L"normalimage", L"hotimage"}, {L"selectedimage", L"selectedhotimage"}};
  int pairs = 0;
  for (const wchar_t* name : kLayouts) {
    const Layout layout = Load(name);
    const std::vector<PictureUse> uses = PictureUses(layout);
    for (const PictureUse& normal : uses) {
      for (const auto& [normalState, hotState] : kStatePairs) {
        if (normal.attribute != normalState) continue;
        for (const PictureUse& hot : uses) {
          if (hot.control != normal.control || hot.attribute != hotState) continue;
          // A button whose every state is the same picture shows no hover.
          if (hot.file == normal.file && hot.source == normal.source) continue;
          const Picture a = Decode(normal.file);
          const Picture b = Decode(hot.file);
          const IntRect whole = {0, 0, a.width, a.height};
          const IntRect partA = normal.source.IsZero() ? whole : normal.source;
          const IntRect partB = hot.source.IsZero() ? whole : hot.source;
          ASSERT_EQ(partA.Width(), partB.Width()) << normal.control->Describe();
          ASSERT_EQ(partA.Height(), partB.Height()) << normal.control->Describe();
          EXPECT_GE(ChangedShare(a, partA, b, partB), 0.05)
              << Narrow(name) << ": " << normal.control->Describe() << ": " << Narrow(normal.file)
              << " and " << Narrow(hot.file) << " look alike";
          ++pairs;
        }
      }
    }
  }
  EXPECT_GT(pairs, 0);
}

// The shadow's nine-grid keeps its corners and stretches what lies between
// them, so there must be something between them; its alpha rises from
// nothing at the picture's edge to its darkest at the window's edge.
TEST_F(SkinArchiveTest, TheShadowFadesOutFromTheWindowEdge) {
  for (const wchar_t* name : kLayouts) {
    const Layout layout = Load(name);
    ASSERT_EQ(layout.window().Attribute(L"showshadow"), L"true") << Narrow(name);
    const Picture shadow = Decode(layout.window().Attribute(L"shadowimage"));
    const IntRect corners = ParseIntRect(layout.window().Attribute(L"shadowcorner"));
    ASSERT_GT(shadow.width, corners.left + corners.right) << Narrow(name);
    ASSERT_GT(shadow.height, corners.top + corners.bottom) << Narrow(name);
    const int midX = shadow.width / 2;
    const int midY = shadow.height / 2;
    struct Edge {
      const char* side;
      int x0, y0, dx, dy, depth;
    };
    const Edge edges[] = {{"left", 0, midY, 1, 0, corners.left},
                          {"top", midX, 0, 0, 1, corners.top},
                          {"right", shadow.width - 1, midY, -1, 0, corners.right},
                          {"bottom", midX, shadow.height - 1, 0, -1, corners.bottom}};
    for (const Edge& edge : edges) {
      std::vector<int> alphas;
      for (int i = 0; i < edge.depth; ++i) {
        alphas.push_back(shadow.Alpha(edge.x0 + i * edge.dx, edge.y0 + i * edge.dy));
      }
      EXPECT_EQ(alphas.front(), 0) << edge.side;
      EXPECT_TRUE(std::is_sorted(alphas.begin(), alphas.end())) << edge.side;
      EXPECT_GT(alphas.back(), 32) << edge.side;
    }
  }
}

TEST_F(SkinArchiveTest, TheLoadingAnimationLoopsTransparentFramesEvery100Ms) {
  const Layout layout = Load(L"BrowserInstallWnd.xml");
  int animations = 0;
  layout.window().Visit([&](const LayoutControl& control) {
    if (control.element != L"GifAnim") return;
    ++animations;
    const Picture animation = Decode(control.Attribute(L"bkimage"));
    EXPECT_GE(animation.frames.size(), 8u);
    for (size_t frame = 0; frame < animation.frames.size(); ++frame) {
      EXPECT_EQ(animation.delays[frame], 100) << "frame " << frame;
      EXPECT_EQ(animation.frames[frame][3], 0) << "frame " << frame << " has no transparent corner";
    }
  });
  EXPECT_EQ(animations, 1);
}

struct NamedControl {
  const wchar_t* name;
  const wchar_t* element;
};

// What the windows' code finds by name (or hears from by name) and the kind
// of control it takes it for.
const NamedControl kInstallerControls[] = {
    {L"install_path_edit", L"Edit"},
    {L"freespace", L"Label"},
    {L"check_set_argee", L"CheckBox"},
    {L"check_set_browser", L"CheckBox"},
    {L"check_set_startbar", L"CheckBox"},
    {L"check_set_desktop", L"CheckBox"},
    {L"check_set_experience_plan", L"CheckBox"},
    {L"install_progress", L"Progress"},
    {L"install_Pro_Info", L"Label"},
    {L"wizardTabTop", L"TabLayout"},
    {L"wizardTab", L"TabLayout"},
    {L"parent_container", L"VerticalLayout"},
    {L"vercustom", L"VerticalLayout"},
    {L"install_btn", L"Button"},
    {L"custom_btn", L"Button"},
    {L"btnMainInstallPageClose", L"Button"},
    {L"btnMin", L"Button"},
    {L"btn_back", L"Button"},
    {L"btn_custominstall", L"Button"},
    {L"btn_error_exit", L"Button"},
    {L"license_btn", L"Button"},
    {L"experience_plan_btn", L"Button"},
    {L"change_folder_btn", L"Button"},
    {L"open_btn", L"Button"},
    {L"install_error_btn", L"Button"},
    {L"install_failed_btn", L"Button"},
};

const NamedControl kMessageControls[] = {
    {L"ok_btn", L"Button"},     {L"btn_close", L"Button"}, {L"message_text", L"Label"},
    {L"ignore_btn", L"Button"}, {L"msg_span", L"Control"},
};

template <size_t N>
void ExpectNamedControls(const Layout& layout, const NamedControl (&controls)[N]) {
  for (const NamedControl& expected : controls) {
    const auto found = layout.Find(expected.name);
    ASSERT_EQ(found.size(), 1u) << Narrow(expected.name);
    EXPECT_EQ(found[0]->element, expected.element) << Narrow(expected.name);
  }
}

TEST_F(SkinArchiveTest, TheWindowsFindEveryControlTheyLookUpByName) {
  ExpectNamedControls(Load(L"BrowserInstallWnd.xml"), kInstallerControls);
  ExpectNamedControls(Load(L"message.xml"), kMessageControls);
}

// The installer window selects views and pages by index.
TEST_F(SkinArchiveTest, EveryPageIsWhereTheInstallerWindowSelectsIt) {
  const Layout layout = Load(L"BrowserInstallWnd.xml");
  struct Page {
    const wchar_t* tab;
    size_t index;
    const wchar_t* holds;
  };
  const Page kPages[] = {
      {L"wizardTabTop", 0, L"wizardTab"},     {L"wizardTabTop", 1, L"updating_label"},
      {L"wizardTab", 0, L"install_btn"},      {L"wizardTab", 1, L"vercustom"},
      {L"wizardTab", 2, L"install_progress"}, {L"wizardTab", 3, L"open_btn"},
      {L"wizardTab", 4, L"btn_error_exit"},   {L"wizardTab", 5, L"install_failed_btn"},
  };
  for (const Page& page : kPages) {
    const auto tab = layout.Find(page.tab);
    ASSERT_EQ(tab.size(), 1u);
    ASSERT_LT(page.index, tab[0]->children.size()) << Narrow(page.tab);
    bool holds = false;
    tab[0]->children[page.index]->Visit(
        [&](const LayoutControl& control) { holds = holds || control.Name() == page.holds; });
    EXPECT_TRUE(holds) << Narrow(page.tab) << " page " << page.index << " lacks "
                       << Narrow(page.holds);
  }
}

}  // namespace
}  // namespace Veneer::test
