// The drawing operations every control paints itself with: image
// descriptions, images from the paint manager's registry, nine-grid blits,
// colour fills, vertical gradients, lines and text. Stateless; they draw on
// the device context they are given, on the UI thread.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "ui/render/image_description.h"
#include "ui/render/image_entry.h"

namespace Veneer {

class PaintManager;

class CRenderer {
 public:
  // Draws what `imageText`, amended by `modifyText`, describes inside the
  // control rectangle `rect`. False only without `dc` or `manager`; images
  // that can't be loaded are simply not drawn.
  static bool RenderImageSpec(HDC dc, PaintManager* manager, const RECT& rect,
                              const RECT& paintRect, const std::wstring& imageText,
                              const std::wstring& modifyText);
  // Draws one image of the manager's registry, loading it on first use.
  // False when the name is empty or the image can't be loaded.
  static bool RenderNamedImage(HDC dc, PaintManager* manager, const RECT& rect,
                               const RECT& paintRect, const ImageDraw& draw);
  // The nine-grid blit of part of `bitmap` (see nine_grid.h): blended when
  // `alpha` is set or `fade` is below 255, copied otherwise.
  static void RenderNineGrid(HDC dc, HBITMAP bitmap, const RECT& destRect, const RECT& paintRect,
                             const RECT& sourceRect, const RECT& corners, bool alpha, BYTE fade,
                             bool hole, bool tileX, bool tileY);
  // Reads and decodes one image: from the program's resources when a
  // resource type is given (`source` is then the numeric id), else from the
  // skin (archive or folder), else from the path `source` itself.
  static std::unique_ptr<ImageEntry> LoadImageEntry(const std::wstring& source,
                                                    const std::wstring& resourceType,
                                                    DWORD maskColour);

  // Fills `rect` with an ARGB colour; alpha 0 draws nothing.
  static void RenderColor(HDC dc, const RECT& rect, DWORD colour);
  // A vertical gradient from `topColour` to `bottomColour`, blended with the
  // mean of their alphas.
  static void RenderGradient(HDC dc, const RECT& rect, DWORD topColour, DWORD bottomColour,
                             int steps);
  // A line from (left, top) to (right, bottom) of `rect`.
  static void RenderLine(HDC dc, const RECT& rect, int width, DWORD colour, int penStyle);
  // Draws `text` with the manager's font `fontIndex` (-1: the default font)
  // and DrawTextW's `format`; with DT_CALCRECT it measures instead and
  // adjusts `rect`.
  static void RenderText(HDC dc, PaintManager* manager, RECT& rect, const std::wstring& text,
                         DWORD colour, int fontIndex, UINT format);
};

}  // namespace Veneer
