// The skinned window base on real windows under wine: creation from a
// layout, the system buttons, the key filter, the attention shake, the skin
// in the program's resources, and a layout that can't be built.
#include "ui/core/window_impl_base.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/temp_folder.h"
#include "tests/ui/support/skinned_window.h"
#include "tests/ui/support/ui_test_window.h"
#include "ui/core/window_attention.h"
#include "ui/markup/skin_location.h"

namespace Veneer {
namespace {

const wchar_t kPlainLayout[] =
    L"<Window size=\"180,100\" caption=\"0,0,0,100\">"
    L"<Control name=\"body\" bkcolor=\"#FFFFFFFF\" /></Window>";

TEST(WindowImplBase, CreationBuildsTheLayoutAndDropsTheNativeFrame) {
  test::SkinnedWindow window(kPlainLayout);
  ASSERT_TRUE(window.Open(120, 110));
  EXPECT_EQ(window.skinReadyCalls, 1);
  ASSERT_TRUE(window.manager().GetRoot());
  EXPECT_EQ(window.manager().GetRoot()->GetName(), L"body");
  const LONG style = GetWindowLongW(window.hwnd(), GWL_STYLE);
  EXPECT_FALSE(style & WS_CAPTION);
  EXPECT_TRUE(style & WS_CLIPCHILDREN);
  EXPECT_TRUE(style & WS_CLIPSIBLINGS);
  const RECT rect = window.Rect();
  EXPECT_EQ(rect.right - rect.left, 180);  // the skin's size
  EXPECT_EQ(rect.bottom - rect.top, 100);
  RECT client;
  GetClientRect(window.hwnd(), &client);
  EXPECT_EQ(client.right, 180);  // all of it is client area
  EXPECT_EQ(client.bottom, 100);
  RECT region;
  EXPECT_NE(GetWindowRgnBox(window.hwnd(), &region), ERROR);
}

TEST(WindowImplBase, SystemButtonsWorkThroughTheNotificationMap) {
  test::SkinnedWindow window(
      L"<Window size=\"180,100\"><HorizontalLayout><Button name=\"minbtn\" />"
      L"<Button name=\"closebtn\" /><Button name=\"other\" /></HorizontalLayout></Window>");
  ASSERT_TRUE(window.Open());
  PaintManager& manager = window.manager();
  manager.SendNotification(manager.FindControlByName(L"other"), Notify::kClick);
  EXPECT_FALSE(IsIconic(window.hwnd()));
  manager.SendNotification(manager.FindControlByName(L"minbtn"), Notify::kClick);
  EXPECT_TRUE(IsIconic(window.hwnd()));
  manager.SendNotification(manager.FindControlByName(L"closebtn"), Notify::kClick);
  const HWND hwnd = window.hwnd();
  EXPECT_TRUE(IsWindow(hwnd));  // posted, not sent
  EXPECT_TRUE(test::PumpUntil(2000, [&] { return !IsWindow(hwnd); }));
}

LRESULT HitTest(HWND window, int x, int y) {
  POINT point = {x, y};
  ClientToScreen(window, &point);
  return SendMessageW(window, WM_NCHITTEST, 0, MAKELPARAM(point.x, point.y));
}

const wchar_t kHitLayout[] =
    L"<Container bkcolor=\"#FFFFFFFF\">"
    L"<Label name=\"label\" float=\"true\" pos=\"10,10,60,30\" text=\"label\" />"
    L"<Button name=\"button\" float=\"true\" pos=\"70,10,120,30\" text=\"button\" />"
    L"<CheckBox name=\"check\" float=\"true\" pos=\"130,10,180,30\" />"
    L"<Edit name=\"edit\" float=\"true\" pos=\"190,10,280,30\" />"
    L"<Option name=\"option\" float=\"true\" pos=\"10,40,60,60\" />"
    L"<Progress name=\"progress\" float=\"true\" pos=\"70,40,180,60\" />"
    L"<Label name=\"low_label\" float=\"true\" pos=\"10,140,60,160\" />"
    L"</Container>";

// With a caption band over the top half: labels, progress bars and the
// background drag the window; buttons, check boxes, options and edits take
// the press; nothing below the band drags.
TEST(WindowImplBase, HitTestingFromTheCaptionAndTheSizeBox) {
  struct Case {
    int x, y;
    LRESULT code;
    const char* what;
  };
  test::SkinnedWindow plain(std::wstring(L"<Window size=\"300,200\" caption=\"0,0,0,100\">") +
                            kHitLayout + L"</Window>");
  ASSERT_TRUE(plain.Open());
  const Case plainCases[] = {
      {20, 20, HTCAPTION, "label"},
      {150, 80, HTCAPTION, "background"},
      {80, 20, HTCLIENT, "button"},
      {140, 20, HTCLIENT, "check box"},
      {200, 20, HTCLIENT, "edit"},
      {20, 50, HTCLIENT, "option"},
      {100, 50, HTCAPTION, "progress"},
      {20, 150, HTCLIENT, "label below the caption"},
      {150, 150, HTCLIENT, "background below the caption"},
      {0, 0, HTCAPTION, "corner without a size box"},
      {299, 199, HTCLIENT, "far corner without a size box"},
  };
  for (const Case& c : plainCases) EXPECT_EQ(HitTest(plain.hwnd(), c.x, c.y), c.code) << c.what;

  test::SkinnedWindow sized(
      std::wstring(L"<Window size=\"300,200\" caption=\"0,0,0,100\" sizebox=\"4,4,4,4\">") +
      kHitLayout + L"</Window>");
  ASSERT_TRUE(sized.Open(150, 150));
  const Case sizedCases[] = {
      {1, 1, HTTOPLEFT, "top left"},
      {150, 1, HTTOP, "top"},
      {298, 2, HTTOPRIGHT, "top right"},
      {1, 100, HTLEFT, "left"},
      {298, 120, HTRIGHT, "right"},
      {1, 198, HTBOTTOMLEFT, "bottom left"},
      {150, 198, HTBOTTOM, "bottom"},
      {298, 198, HTBOTTOMRIGHT, "bottom right"},
      {20, 20, HTCAPTION, "label"},
      {80, 20, HTCLIENT, "button"},
      {150, 150, HTCLIENT, "background below the caption"},
  };
  for (const Case& c : sizedCases) EXPECT_EQ(HitTest(sized.hwnd(), c.x, c.y), c.code) << c.what;
}

// Return and Escape go through OnDefaultKey and on to the focused control.
TEST(WindowImplBase, ReturnAndEscapeReachTheFocusedControl) {
  test::SkinnedWindow window(L"<Window size=\"180,100\"><Recorder name=\"focused\" /></Window>");
  test::RecordingControl* recorder = nullptr;
  window.createCustom = [&](const wchar_t* name) -> CControlUI* {
    if (std::wstring(name) != L"Recorder") return nullptr;
    return recorder = new test::RecordingControl(L"", TabStop);
  };
  ASSERT_TRUE(window.Open());
  ASSERT_TRUE(recorder);
  window.manager().SetFocusedControl(recorder);
  ASSERT_EQ(window.manager().GetFocusedControl(), recorder);
  for (WPARAM key : {WPARAM(VK_ESCAPE), WPARAM(VK_RETURN)}) {
    PostMessageW(window.hwnd(), WM_KEYDOWN, key, 0);
    test::PumpMessages(10);
  }
  EXPECT_EQ(window.defaultKeys, (std::vector<WPARAM>{VK_ESCAPE, VK_RETURN}));
  std::vector<WPARAM> keysDown;
  for (size_t i = 0; i < recorder->events.size(); ++i) {
    if (recorder->events[i] == UiEventType::KeyDown) keysDown.push_back(recorder->wParams[i]);
  }
  EXPECT_EQ(keysDown, (std::vector<WPARAM>{VK_ESCAPE, VK_RETURN}));
  EXPECT_TRUE(IsWindow(window.hwnd()));
}

TEST(WindowImplBase, SysCommandCloseClosesThroughWmClose) {
  test::SkinnedWindow window(kPlainLayout);
  ASSERT_TRUE(window.Open());
  const HWND hwnd = window.hwnd();
  SendMessageW(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_FALSE(IsWindow(hwnd));
}

// A press on the disabled owner shakes its dialog: eight moves of one pixel
// diagonally, 80 ms apart, back to where it began; a press during the shake
// starts it again from there.
TEST(WindowImplBase, PressOnTheOwnerShakesTheDialog) {
  test::SkinnedWindow owner(kPlainLayout);
  ASSERT_TRUE(owner.Open(100, 100));
  test::SkinnedWindow dialog(kPlainLayout);
  ASSERT_TRUE(dialog.Open(200, 150, owner.hwnd()));
  SendMessageW(owner.hwnd(), kAttentionRegister, 0, reinterpret_cast<LPARAM>(dialog.hwnd()));
  const auto press = [&] {
    SendMessageW(owner.hwnd(), WM_SETCURSOR, reinterpret_cast<WPARAM>(owner.hwnd()),
                 MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN));
  };
  dialog.moves.clear();
  press();
  ASSERT_TRUE(test::PumpUntil(3000, [&] { return dialog.moves.size() >= 8; }));
  test::PumpMessages(200);
  std::vector<POINT> expected;
  for (int i = 0; i < 8; ++i) expected.push_back(i % 2 ? POINT{200, 150} : POINT{199, 149});
  ASSERT_EQ(dialog.moves.size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(dialog.moves[i].x, expected[i].x) << "move " << i;
    EXPECT_EQ(dialog.moves[i].y, expected[i].y) << "move " << i;
  }

  dialog.moves.clear();
  press();
  ASSERT_TRUE(test::PumpUntil(3000, [&] { return dialog.moves.size() >= 3; }));
  press();  // mid-shake, one pixel off: back first, then a whole new shake
  ASSERT_TRUE(test::PumpUntil(3000, [&] { return dialog.moves.size() >= 12; }));
  test::PumpMessages(200);
  EXPECT_EQ(dialog.moves.size(), 12u);
  EXPECT_EQ(dialog.moves[3].x, 200);  // the undo
  EXPECT_EQ(dialog.Rect().left, 200);
  EXPECT_EQ(dialog.Rect().top, 150);
}

// A press on the owner shakes only a dialog it owns.
TEST(WindowImplBase, PressOnAnotherWindowShakesNothing) {
  test::SkinnedWindow owner(kPlainLayout);
  test::SkinnedWindow stranger(kPlainLayout);
  test::SkinnedWindow dialog(kPlainLayout);
  ASSERT_TRUE(owner.Open(100, 100));
  ASSERT_TRUE(stranger.Open(300, 100));
  ASSERT_TRUE(dialog.Open(200, 150, owner.hwnd()));
  SendMessageW(owner.hwnd(), kAttentionRegister, 0, reinterpret_cast<LPARAM>(dialog.hwnd()));
  dialog.moves.clear();
  SendMessageW(stranger.hwnd(), WM_SETCURSOR, 0, MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN));
  test::PumpMessages(250);
  EXPECT_TRUE(dialog.moves.empty());
}

TEST(WindowImplBase, AMissingSkinResourceLeavesAnEmptyWindow) {
  test::SkinnedWindow window(L"window.xml", SkinSource::FromZipResource, MAKEINTRESOURCEW(999));
  ASSERT_TRUE(window.Open());
  EXPECT_EQ(window.skinReadyCalls, 0);
  EXPECT_EQ(window.manager().GetRoot(), nullptr);
  EXPECT_TRUE(SkinLocation::Process().ArchiveName().empty());
  test::SkinnedWindow empty(L"window.xml", SkinSource::FromZipResource, MAKEINTRESOURCEW(133));
  ASSERT_TRUE(empty.Open());
  EXPECT_EQ(empty.skinReadyCalls, 0);
}

// The archive in the resources is opened by the first window and read by
// the second as it is.
TEST(WindowImplBase, ASecondWindowReusesTheOpenedArchive) {
  test::SkinnedWindow first(L"window.xml", SkinSource::FromZipResource, MAKEINTRESOURCEW(132));
  ASSERT_TRUE(first.Open());
  ASSERT_EQ(first.skinReadyCalls, 1);
  EXPECT_TRUE(first.manager().FindControlByName(L"from_archive"));
  const ZipArchive* archive = SkinLocation::Process().Archive();
  ASSERT_TRUE(archive);
  test::SkinnedWindow second(L"window.xml", SkinSource::FromZipResource, MAKEINTRESOURCEW(132));
  ASSERT_TRUE(second.Open());
  EXPECT_EQ(second.skinReadyCalls, 1);
  EXPECT_EQ(SkinLocation::Process().Archive(), archive);
  EXPECT_EQ(SkinLocation::Process().ArchiveName(), kResourceArchiveName);
}

BOOL CALLBACK FindMessageBox(HWND window, LPARAM data) {
  auto* found = reinterpret_cast<std::pair<DWORD, HWND>*>(data);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  wchar_t title[64] = {};
  GetWindowTextW(window, title, 63);
  if (process == found->first && std::wstring(title) == L"no_such_layout.xml") {
    found->second = window;
    return FALSE;
  }
  return TRUE;
}

// The message box names the layout; closing it ends the program with 1.
TEST(WindowImplBase, ALayoutThatCantBeBuiltEndsTheProgramWithOne) {
  std::wstring command = lumo::test::ExecutableFolder() + L"\\skin_failure_window.exe";
  STARTUPINFOW startup = {};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process = {};
  ASSERT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                             &startup, &process));
  std::pair<DWORD, HWND> box = {process.dwProcessId, nullptr};
  const bool shown = test::PumpUntil(10000, [&] {
    EnumWindows(FindMessageBox, reinterpret_cast<LPARAM>(&box));
    return box.second != nullptr;
  });
  EXPECT_TRUE(shown);
  wchar_t text[64] = {};
  if (shown) {
    GetDlgItemTextW(box.second, 0xFFFF, text, 63);  // the static text of a message box
    PostMessageW(box.second, WM_COMMAND, IDOK, 0);
  }
  EXPECT_EQ(WaitForSingleObject(process.hProcess, 10000), WAIT_OBJECT_0);
  DWORD code = 0;
  GetExitCodeProcess(process.hProcess, &code);
  EXPECT_EQ(code, 1u);
  EXPECT_EQ(std::wstring(text), kSkinLoadFailed);
  if (code == STILL_ACTIVE) TerminateProcess(process.hProcess, 2);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
}

}  // namespace
}  // namespace Veneer
