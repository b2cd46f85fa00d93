#include "ui/core/gdiplus_session.h"

#include <objidl.h>

#include <gdiplus.h>

namespace Veneer {

GdiplusSession::GdiplusSession() {
  Gdiplus::GdiplusStartupInput input;
  if (Gdiplus::GdiplusStartup(&token_, &input, nullptr) != Gdiplus::Ok) token_ = 0;
}

GdiplusSession::~GdiplusSession() {
  if (token_) Gdiplus::GdiplusShutdown(token_);
}

}  // namespace Veneer
