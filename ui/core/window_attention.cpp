#include "ui/core/window_attention.h"

namespace Veneer {
namespace {

constexpr UINT kShakePeriod = 80;
constexpr int kShakeMoves = 8;

struct AttentionState {
  HWND registered = nullptr;
  HWND previous = nullptr;
  HWND shaking = nullptr;
  int step = 0;
};

AttentionState g_state;

bool Exists(HWND window) {
  return window && IsWindow(window);
}

bool OwnedBy(HWND window, HWND owner) {
  return Exists(window) && GetWindow(window, GW_OWNER) == owner;
}

void MoveBy(HWND window, int delta) {
  RECT rect;
  GetWindowRect(window, &rect);
  MoveWindow(window, rect.left + delta, rect.top + delta, rect.right - rect.left,
             rect.bottom - rect.top, TRUE);
}

// Odd steps leave the dialog one pixel up and left; even ones bring it back.
void CALLBACK ShakeTick(HWND window, UINT, UINT_PTR, DWORD) {
  if (!Exists(window)) return;
  g_state.shaking = window;
  const int delta = g_state.step % 2 ? 1 : -1;
  ++g_state.step;
  MoveBy(window, delta);
  if (g_state.step == kShakeMoves) {
    g_state.step = 0;
    ShowWindow(window, SW_SHOW);
    KillTimer(window, kShakeTimer);
  }
}

}  // namespace

namespace Attention {

void Register(HWND dialog) {
  if (Exists(g_state.registered)) g_state.previous = g_state.registered;
  g_state.registered = dialog;
}

void OwnerPressed(HWND owner) {
  if (OwnedBy(g_state.registered, owner)) {
    SendMessageW(g_state.registered, kAttentionStart, 0, 0);
  } else if (OwnedBy(g_state.previous, owner)) {
    const HWND target = Exists(g_state.registered) ? g_state.registered : g_state.previous;
    SendMessageW(target, kAttentionStart, 0, 0);
  }
}

void Start(HWND dialog) {
  if (Exists(g_state.registered)) KillTimer(g_state.registered, kShakeTimer);
  if (Exists(g_state.previous)) KillTimer(g_state.previous, kShakeTimer);
  if (g_state.step % 2 && Exists(g_state.shaking)) MoveBy(g_state.shaking, 1);
  g_state.step = 0;
  SetTimer(dialog, kShakeTimer, kShakePeriod, ShakeTick);
}

}  // namespace Attention
}  // namespace Veneer
