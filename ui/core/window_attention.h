// Drawing the user's attention to a modal dialog: a press on its disabled
// owner makes the dialog jiggle diagonally by one pixel, eight moves 80 ms
// apart, ending where it started. The state (the last two dialogs
// registered, the one shaking and the step counter) is process-wide; UI
// thread only.
#pragma once

#include <windows.h>

namespace Veneer {

// Sent by a dialog's runner to the owner, lParam the dialog.
constexpr UINT kAttentionRegister = WM_USER + 600;
// Sent to the dialog that is to shake.
constexpr UINT kAttentionStart = WM_USER + 601;
// The timer of the shaking dialog.
constexpr UINT_PTR kShakeTimer = 10;

namespace Attention {

// kAttentionRegister: `dialog` becomes the registered dialog.
void Register(HWND dialog);
// A press on `owner` while it is disabled: the registered dialog it owns
// (or, failing that, the one registered before) is told to shake.
void OwnerPressed(HWND owner);
// kAttentionStart on `dialog`: ends a running shake where it began and
// starts a new one.
void Start(HWND dialog);

}  // namespace Attention
}  // namespace Veneer
