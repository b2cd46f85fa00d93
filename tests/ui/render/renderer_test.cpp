// The render engine's pictures, probed in the paint manager's double buffer.
#include "ui/render/renderer.h"

#include <objidl.h>

#include <gdiplus.h>
#include <gtest/gtest.h>

#include <memory>

#include "tests/ui/support/pixel_test.h"
#include "ui/markup/skin_location.h"
#include "ui/render/blend_functions.h"
#include "ui/render/win_rect.h"

namespace Veneer {
namespace {

using test::Near;

constexpr std::uint32_t kRed = 0xFFFF0000;
constexpr std::uint32_t kGreen = 0xFF00FF00;
constexpr std::uint32_t kBlue = 0xFF0000FF;
constexpr std::uint32_t kWhite = 0xFFFFFFFF;

class RendererTest : public test::PixelTest {
 protected:
  RendererTest() {
    // 20 x 20: red, green / blue, white quadrants.
    quadrants_ = MakeImage(L"quadrants.png", 20, 20, [](int x, int y) {
      return y < 10 ? (x < 10 ? kRed : kGreen) : (x < 10 ? kBlue : kWhite);
    });
  }
  // A canvas drawing `description` (a format with %s for the image path).
  void DrawDescription(int l, int t, int r, int b, const std::wstring& description,
                       const std::wstring& modify = L"") {
    AddCanvas(l, t, r, b,
              [description, modify](HDC dc, PaintManager& m, const RECT& rc, const RECT& p) {
                CRenderer::RenderImageSpec(dc, &m, rc, p, description, modify);
              });
  }
  std::wstring File(const std::wstring& path) { return L"file='" + path + L"'"; }

  std::wstring quadrants_;
};

TEST_F(RendererTest, ABareNameStretchesTheWholeImageOverTheControl) {
  DrawDescription(0, 0, 40, 40, quadrants_);
  Paint();
  ExpectPixels({
      {5, 5, 0xFF0000},
      {35, 5, 0x00FF00},
      {5, 35, 0x0000FF},
      {35, 35, 0xFFFFFF},
      {45, 5, 0xFFFFFF},  // the root's white beside it
  });
}

TEST_F(RendererTest, SourceAndDestPlaceAPartUnscaledAndTheSourceIsClampedToTheImage) {
  root_->SetBkColor(0xFF000000);
  // The green quadrant at (5, 5), unscaled.
  DrawDescription(0, 0, 40, 40, File(quadrants_) + L" source='10,0,20,10' dest='5,5,15,15'");
  // 0,10,50,50 is clamped to the image: its lower half, stretched.
  DrawDescription(50, 0, 90, 40, File(quadrants_) + L" source='0,10,50,50'");
  Paint();
  ExpectPixels({
      {5, 5, 0x00FF00},
      {14, 14, 0x00FF00},
      {4, 4, 0x000000},
      {15, 15, 0x000000},
      {55, 5, 0x0000FF},
      {85, 35, 0xFFFFFF},
  });
}

TEST_F(RendererTest, DestIsClippedByTheControl) {
  root_->SetBkColor(0xFF000000);
  // dest 0,0,16,16 in a control 10 wide: the whole image squeezed into 10 x 16.
  DrawDescription(0, 0, 10, 30, File(quadrants_) + L" dest='0,0,16,16'");
  Paint();
  ExpectPixels({
      {2, 2, 0xFF0000},
      {8, 2, 0x00FF00},
      {8, 14, 0xFFFFFF},
      {12, 2, 0x000000},
      {5, 17, 0x000000},
  });
}

TEST_F(RendererTest, AlphaAndTheMagentaMaskLetTheBackgroundThrough) {
  const std::wstring half = MakeImage(L"half.png", 10, 10, [](int, int) { return 0x800000FFu; });
  const std::wstring keyed =
      MakeImage(L"keyed.png", 10, 10, [](int x, int) { return x < 5 ? 0xFFFF00FFu : 0xFFFFFF00u; });
  DrawDescription(0, 0, 10, 10, half);
  DrawDescription(20, 0, 30, 10, File(keyed) + L" mask='#FFFF00FF'");
  Paint();
  ExpectPixels({
      {5, 5, 0x7F7FFF},   // half blue over white
      {22, 5, 0xFFFFFF},  // magenta keyed out
      {27, 5, 0xFFFF00},
  });
  const ImageEntry* entry = window_.manager().FindImage(keyed);  // under its file name
  ASSERT_NE(entry, nullptr);
  EXPECT_TRUE(entry->hasAlpha);  // opaque, but keyed
  EXPECT_EQ(entry->maskColour, 0xFFFF00FFu);
}

TEST_F(RendererTest, FadeBlendsAnOpaqueImageAndFade256IsInvisible) {
  DrawDescription(0, 0, 20, 20, File(quadrants_) + L" fade='128'");
  DrawDescription(30, 0, 50, 20, File(quadrants_) + L" fade='256'");
  Paint();
  ExpectPixels({
      {5, 5, 0xFF7F7F},
      {15, 15, 0xFFFFFF},
      {35, 5, 0xFFFFFF},
  });
}

TEST_F(RendererTest, TheSoftwareBlendMatchesAlphaBlend) {
  const std::wstring half = MakeImage(L"half.png", 10, 10, [](int, int) { return 0x800000FFu; });
  DrawDescription(0, 0, 20, 20, File(quadrants_) + L" fade='128'");
  DrawDescription(30, 0, 40, 10, half);
  BlendApi withoutAlphaBlend = BlendFunctions();
  withoutAlphaBlend.alphaBlend = nullptr;
  ScopedBlendApiOverride missing(withoutAlphaBlend);
  Paint();
  EXPECT_TRUE(Near(Pixel(5, 5), 0xFF7F7F));
  EXPECT_TRUE(Near(Pixel(35, 5), 0x7F7FFF));
}

TEST_F(RendererTest, AHoleLeavesTheMiddleUntouched) {
  // 30 x 30 in nine 10 x 10 fields: red corners, green edges, blue middle.
  const std::wstring grid = MakeImage(L"grid.png", 30, 30, [](int x, int y) {
    const int edges = (x / 10 == 1) + (y / 10 == 1);
    return edges == 0 ? kRed : edges == 1 ? kGreen : kBlue;
  });
  DrawDescription(0, 0, 60, 60, File(grid) + L" corner='10,10,10,10' hole='true'");
  DrawDescription(62, 0, 122, 60, File(grid) + L" corner='10,10,10,10'");
  Paint();
  ExpectPixels({
      {2, 2, 0xFF0000},
      {57, 57, 0xFF0000},
      {30, 2, 0x00FF00},
      {2, 30, 0x00FF00},
      {30, 30, 0xFFFFFF},  // the hole
      {92, 30, 0x0000FF},  // without it, the stretched middle
  });
}

TEST_F(RendererTest, TilesTheMiddleInFullTilesAndAPartialLastOne) {
  // 20 x 10: black 2-pixel borders left and right; the 16-pixel middle
  // column c has red 10 * c.
  const std::wstring tile = MakeImage(L"tile.png", 20, 10, [](int x, int) {
    return x < 2 || x >= 18 ? 0xFF000000u : 0xFF000000u | (10u * x) << 16;
  });
  DrawDescription(0, 0, 54, 20, File(tile) + L" corner='2,0,2,0' xtiled='true'");
  DrawDescription(60, 0, 80, 25, File(tile) + L" source='2,0,18,10' ytiled='true'");
  Paint();
  const auto column = [](int c) { return (10u * c) << 16; };
  // The 50-pixel middle: three full tiles and a last one 2 pixels wide.
  const int probes[][2] = {{2, 2},  {17, 17}, {18, 2}, {33, 17},
                           {34, 2}, {49, 17}, {50, 2}, {51, 3}};
  for (const auto& probe : probes) {
    EXPECT_TRUE(Near(Pixel(probe[0], 10), column(probe[1]))) << "x " << probe[0];
  }
  EXPECT_TRUE(Near(Pixel(53, 10), 0x000000));
  // Tiled down: rows of 10, the last one 5 high, each stretched across.
  EXPECT_TRUE(Near(Pixel(60, 3), column(2)));
  EXPECT_TRUE(Near(Pixel(60, 23), column(2)));
}

TEST_F(RendererTest, PicturesComeFromTheSkinArchiveTheResourcesOrAPath) {
  SkinRequest request;
  request.folder = L"renderer_skin";
  request.kind = SkinSource::FromZipFile;
  request.archiveName = L"pictures.zip";
  ASSERT_TRUE(SkinLocation::Process().PrepareForWindow(request));
  ASSERT_NE(SkinLocation::Process().Archive(), nullptr);
  DrawDescription(0, 0, 10, 10, L"ARCHIVED.PNG");  // archive names match without case
  DrawDescription(20, 0, 30, 10, L"res='101' restype='PNG'");
  DrawDescription(40, 0, 50, 10, quadrants_);  // not in the archive: read by its path
  DrawDescription(60, 0, 70, 10, L"res='archived.png' restype='PNG'");  // not a resource id
  Paint();
  ExpectPixels({
      {5, 5, 0x0080FF},
      {25, 5, 0xFF8000},
      {42, 2, 0xFF0000},
      {65, 5, 0xFFFFFF},
  });
  const ImageEntry* resource = window_.manager().FindImage(L"101");
  ASSERT_NE(resource, nullptr);
  EXPECT_EQ(resource->resourceType, L"PNG");
  EXPECT_FALSE(resource->hasAlpha);
}

TEST_F(RendererTest, AnImageThatCantBeLoadedIsTriedAgainAtTheNextPaint) {
  const std::wstring late = folder_ / L"late.png";
  bool drawn = true;
  AddCanvas(0, 0, 10, 10, [&](HDC dc, PaintManager& m, const RECT& rc, const RECT& p) {
    ImageDraw draw;
    draw.name = late;
    draw.dest = ToIntRect(rc);
    drawn = CRenderer::RenderNamedImage(dc, &m, rc, p, draw);
  });
  Paint();
  EXPECT_FALSE(drawn);
  EXPECT_EQ(window_.manager().FindImage(late), nullptr);
  MakeImage(L"late.png", 4, 4, [](int, int) { return kGreen; });
  Paint();
  EXPECT_TRUE(drawn);
  EXPECT_TRUE(Near(Pixel(5, 5), 0x00FF00));
}

TEST_F(RendererTest, ColoursAndGradientsBlendByTheirAlpha) {
  AddCanvas(0, 0, 10, 10, [](HDC dc, PaintManager&, const RECT& rc, const RECT&) {
    CRenderer::RenderColor(dc, rc, 0x80FF0000);
  });
  AddCanvas(10, 0, 20, 10, [](HDC dc, PaintManager&, const RECT& rc, const RECT&) {
    CRenderer::RenderColor(dc, rc, 0x00FF0000);  // alpha 0: nothing
    CRenderer::RenderGradient(dc, rc, 0x00000000, 0x00FFFFFF, 8);
  });
  AddCanvas(20, 0, 30, 80, [](HDC dc, PaintManager&, const RECT& rc, const RECT&) {
    CRenderer::RenderGradient(dc, rc, kRed, kBlue, 8);
  });
  AddCanvas(30, 0, 40, 10, [](HDC dc, PaintManager&, const RECT& rc, const RECT&) {
    CRenderer::RenderGradient(dc, rc, 0xFF000000, 0x00000000, 8);  // constant alpha 127
  });
  Paint();
  ExpectPixels({
      {5, 5, 0xFF7F7F},
      {15, 5, 0xFFFFFF},
      {25, 0, 0xFF0000, 8},
      {25, 40, 0x800080, 8},
      {25, 79, 0x0000FF, 8},
      {35, 5, 0x808080},
  });
}

TEST_F(RendererTest, WithoutGradientFillAGradientIsBanded) {
  AddCanvas(0, 0, 10, 80, [](HDC dc, PaintManager&, const RECT& rc, const RECT&) {
    CRenderer::RenderGradient(dc, rc, 0xFF000000, 0xFFFFFFFF, 8);
  });
  AddCanvas(20, 0, 30, 80, [](HDC dc, PaintManager&, const RECT& rc, const RECT&) {
    CRenderer::RenderGradient(dc, rc, 0x80000000, 0x80000000, 8);  // translucent black
  });
  BlendApi withoutGradientFill = BlendFunctions();
  withoutGradientFill.gradientFill = nullptr;
  ScopedBlendApiOverride missing(withoutGradientFill);
  Paint();
  ExpectPixels({
      {5, 79, 0xFFFFFF, 0},  // band 0, the bottom colour
      {5, 70, 0xFFFFFF, 0},
      {5, 69, 0xDFDFDF, 0},  // 255 * 7 / 8
      {5, 0, 0x1F1F1F, 0},   // 255 / 8
      {25, 40, 0x7F7F7F},
  });
}

TEST_F(RendererTest, LinesRunFromTopLeftToBottomRight) {
  root_->SetBkColor(0xFF000000);
  AddCanvas(0, 0, 60, 60, [](HDC dc, PaintManager&, const RECT&, const RECT&) {
    CRenderer::RenderLine(dc, {10, 10, 50, 10}, 1, kGreen, PS_SOLID);
    CRenderer::RenderLine(dc, {10, 20, 10, 50}, 3, kRed, PS_SOLID);
  });
  Paint();
  ExpectPixels({
      {10, 10, 0x00FF00},
      {49, 10, 0x00FF00},
      {30, 11, 0x000000},
      {9, 30, 0xFF0000},  // 3 wide, centred on x = 10
      {11, 30, 0xFF0000},
      {13, 30, 0x000000},
  });
}

// Measures `text` with the manager's font `font` from (10, 10).
RECT Measure(PaintManager& manager, const std::wstring& text, int font = -1) {
  RECT rect = {10, 10, 400, 100};
  CRenderer::RenderText(manager.GetWindowDC(), &manager, rect, text, 0xFF000000, font,
                        DT_SINGLELINE | DT_CALCRECT);
  return rect;
}

TEST_F(RendererTest, GdiTextNeverTakesAnAmpersandForAMnemonic) {
  PaintManager& manager = window_.manager();
  const RECT plain = Measure(manager, L"AB");
  const RECT ampersand = Measure(manager, L"A&B");
  EXPECT_GT(ampersand.right - ampersand.left, plain.right - plain.left);
  // Drawn, the ampersand shows as a glyph of its own.
  root_->SetBkColor(0xFFFFFFFF);
  AddCanvas(0, 0, 120, 40, [](HDC dc, PaintManager& m, const RECT& rc, const RECT&) {
    RECT area = rc;
    CRenderer::RenderText(dc, &m, area, L"&", 0xFF000000, -1, DT_SINGLELINE);
  });
  Paint();
  bool inked = false;
  for (int x = 0; x < 20 && !inked; ++x) {
    for (int y = 0; y < 20 && !inked; ++y) inked = Pixel(x, y) != 0xFFFFFF;
  }
  EXPECT_TRUE(inked);
}

TEST_F(RendererTest, TextWithoutAFontIndexUsesTheDefaultFont) {
  PaintManager& manager = window_.manager();
  manager.RegisterFont({L"Tahoma", 10});
  ASSERT_TRUE(manager.SetStandardFont({L"Tahoma", 30}));
  const RECT standard = Measure(manager, L"Xy");
  const RECT small = Measure(manager, L"Xy", 0);
  const RECT outside = Measure(manager, L"Xy", 7);
  EXPECT_GE(standard.bottom - standard.top, 30);
  EXPECT_LT(small.bottom - small.top, 20);
  EXPECT_EQ(outside.bottom, standard.bottom);
}

TEST_F(RendererTest, GdiplusMeasuringAddsOnePixel) {
  PaintManager& manager = window_.manager();
  manager.SetGdiplusText(true);
  // A TrueType face of the system, which GDI+ knows under wine too.
  ASSERT_TRUE(manager.SetStandardFont({L"WenQuanYi Micro Hei", 14}));
  const std::wstring text = L"Install now";
  const RECT measured = Measure(manager, text);

  LOGFONTW logical = {};
  GetObjectW(manager.GetFont(-1), sizeof(logical), &logical);
  Gdiplus::Graphics graphics(manager.GetWindowDC());
  Gdiplus::Font font(manager.GetWindowDC(), &logical);
  ASSERT_EQ(font.GetLastStatus(), Gdiplus::Ok);
  std::unique_ptr<Gdiplus::StringFormat> format(
      Gdiplus::StringFormat::GenericTypographic()->Clone());
  format->SetFormatFlags(format->GetFormatFlags() | Gdiplus::StringFormatFlagsNoWrap);
  Gdiplus::RectF bounds;
  graphics.MeasureString(text.c_str(), -1, &font, Gdiplus::RectF(10, 10, 390, 90), format.get(),
                         &bounds);
  EXPECT_EQ(measured.right, 10 + static_cast<LONG>(bounds.Width) + 1);
  EXPECT_EQ(measured.bottom, 10 + static_cast<LONG>(bounds.Height) + 1);
  EXPECT_GT(bounds.Width, 10);
}

TEST_F(RendererTest, GdiplusTextInAFaceGdiplusCantUseIsDrawnWithGdi) {
  window_.manager().SetGdiplusText(true);
  ASSERT_TRUE(window_.manager().SetStandardFont({L"No Such Face", 20}));
  AddCanvas(0, 0, 120, 40, [](HDC dc, PaintManager& m, const RECT& rc, const RECT&) {
    RECT area = rc;
    CRenderer::RenderText(dc, &m, area, L"WWW", 0xFF000000, -1, DT_SINGLELINE);
  });
  Paint();
  int inked = 0;
  for (int x = 0; x < 60; ++x) {
    for (int y = 0; y < 30; ++y) inked += Pixel(x, y) != 0xFFFFFF;
  }
  EXPECT_GT(inked, 20);
}

}  // namespace
}  // namespace Veneer
