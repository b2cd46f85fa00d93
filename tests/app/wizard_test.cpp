#include "app/wizard.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "install/private_messages.h"

namespace lumo {
namespace {

static_assert(WM_DOWNLOAD_PROGRESS == 1124 && WM_DOWNLOAD_DONE == 1125 &&
              WM_DOWNLOAD_FAILED == 1126 && WM_INSTALL_DONE == 1127 && WM_INSTALL_FAILED == 1128 &&
              WM_ACTIVATE_INSTANCE == 1129);

const wchar_t kPath[] = L"C:\\Games\\LumoGameBrowser";

std::wstring Name(View view) {
  return view == View::FramedView ? L"FramedView" : L"BusyView";
}

std::wstring Name(Page page) {
  static const wchar_t* const names[] = {L"MainPage",   L"CustomPage",       L"DownloadPage",
                                         L"ResultPage", L"NetworkErrorPage", L"FailedPage"};
  return names[static_cast<int>(page)];
}

std::wstring Name(WebPage page) {
  switch (page) {
    case WebPage::Agreement: return L"Agreement";
    case WebPage::Privacy: return L"Privacy";
    case WebPage::ErrorHelp: return L"ErrorHelp";
  }
  return L"?";
}

std::wstring Name(bool value) {
  return value ? L"true" : L"false";
}

// Records every effect as text, in order, and answers as configured.
class RecordingEffects final : public WizardEffects {
 public:
  std::vector<std::wstring> log;
  bool folderCreated = true;
  bool dialogOk = true;
  bool commandFound = true;
  SpaceVerdict freeSpace = SpaceVerdict::Enough;
  SpaceVerdict browsed = SpaceVerdict::Unchanged;

  void SelectView(View view) override { log.push_back(L"SelectView(" + Name(view) + L")"); }
  void SelectPage(Page page) override { log.push_back(L"SelectPage(" + Name(page) + L")"); }
  void EnableCloseButton(bool on) override {
    log.push_back(L"EnableCloseButton(" + Name(on) + L")");
  }
  void EnableEntryButtons(bool on) override {
    log.push_back(L"EnableEntryButtons(" + Name(on) + L")");
  }
  void UpdateProgress(int percent) override {
    log.push_back(L"UpdateProgress(" + std::to_wstring(percent) + L")");
  }
  void OpenWebPage(WebPage page) override { log.push_back(L"OpenWebPage(" + Name(page) + L")"); }
  bool ShowMessageDialog(bool withCancel, const std::wstring& text) override {
    log.push_back(L"ShowMessageDialog(" + std::wstring(withCancel ? L"cancel" : L"ok") + L", " +
                  text + L")");
    return dialogOk;
  }
  std::wstring GetInstallPath() override {
    log.push_back(L"GetInstallPath");
    return kPath;
  }
  SpaceVerdict UpdateFreeSpace() override {
    log.push_back(L"UpdateFreeSpace");
    return freeSpace;
  }
  SpaceVerdict BrowseForFolder() override {
    log.push_back(L"BrowseForFolder");
    return browsed;
  }
  bool CreateDirectoryChain(const std::wstring& path) override {
    log.push_back(L"CreateDirectoryChain(" + path + L")");
    return folderCreated;
  }
  bool LaunchInstalledBrowser() override {
    log.push_back(L"LaunchInstalledBrowser");
    return commandFound;
  }
  void StartDownloadWorker() override { log.push_back(L"StartDownloadWorker"); }
  void StartPackageRunner() override { log.push_back(L"StartPackageRunner"); }
  void Minimize() override { log.push_back(L"Minimize"); }
  void ShowMinimized() override { log.push_back(L"ShowMinimized"); }
  void ShowNormal() override { log.push_back(L"ShowNormal"); }
  void Quit() override { log.push_back(L"Quit"); }
  void EndAtOnce() override { log.push_back(L"EndAtOnce"); }
};

using Event = std::function<void(Wizard&)>;

Event Do(void (Wizard::*action)()) {
  return [action](Wizard& wizard) { (wizard.*action)(); };
}

Event Message(unsigned int id, std::uintptr_t wParam = 0) {
  return [id, wParam](Wizard& wizard) { EXPECT_TRUE(wizard.PrivateMessage(id, wParam)); };
}

Event Agreement(bool selected) {
  return [selected](Wizard& wizard) { wizard.AgreementChanged(selected); };
}

// The states a user reaches, each reached by the events that lead there.
enum class From { Main, Custom, Download, Busy, Result, NetworkError, Failed };

const std::vector<std::wstring> kInstallStarts = {
    L"GetInstallPath",           std::wstring(L"CreateDirectoryChain(") + kPath + L")",
    L"EnableCloseButton(false)", L"UpdateProgress(0)",
    L"SelectPage(DownloadPage)", L"StartDownloadWorker"};

// A wizard with recorded effects, brought to `from` through the events that
// lead there (with an unlocked folder and enough space unless told
// otherwise); the effects on the way are forgotten.
struct Harness {
  explicit Harness(From from, LocationStart location = {false, SpaceVerdict::Enough}) {
    wizard.Initialize(location);
    Walk(from);
    effects.log.clear();
  }

  void Walk(From to) {
    switch (to) {
      case From::Main: break;
      case From::Custom: wizard.CustomLinkClicked(); break;
      case From::Download: wizard.InstallClicked(); break;
      case From::Busy: After(From::Download, WM_DOWNLOAD_DONE); break;
      case From::Result: After(From::Busy, WM_INSTALL_DONE); break;
      case From::NetworkError: After(From::Download, WM_DOWNLOAD_FAILED); break;
      case From::Failed: After(From::Busy, WM_INSTALL_FAILED); break;
    }
  }

  void After(From before, unsigned int message) {
    Walk(before);
    wizard.PrivateMessage(message, 0);
  }

  RecordingEffects effects;
  Wizard wizard{effects};
};

struct Transition {
  const char* name;
  From from;
  Event event;
  std::vector<std::wstring> effects;
  View view;
  Page page;
};

TEST(Wizard, EveryTransitionCausesItsEffectsInOrder) {
  const std::wstring confirm = L"ShowMessageDialog(cancel, 您确定要退出Lumo游戏浏览器的安装吗？)";
  const Transition transitions[] = {
      {"uncheck agreement",
       From::Main,
       Agreement(false),
       {L"EnableEntryButtons(false)"},
       View::FramedView,
       Page::MainPage},
      {"check agreement",
       From::Main,
       Agreement(true),
       {L"EnableEntryButtons(true)"},
       View::FramedView,
       Page::MainPage},
      {"custom link",
       From::Main,
       Do(&Wizard::CustomLinkClicked),
       {L"SelectPage(CustomPage)"},
       View::FramedView,
       Page::CustomPage},
      {"agreement link",
       From::Main,
       Do(&Wizard::AgreementLinkClicked),
       {L"OpenWebPage(Agreement)"},
       View::FramedView,
       Page::MainPage},
      {"install on main page", From::Main, Do(&Wizard::InstallClicked), kInstallStarts,
       View::FramedView, Page::DownloadPage},
      {"install on custom page", From::Custom, Do(&Wizard::InstallClicked), kInstallStarts,
       View::FramedView, Page::DownloadPage},
      {"back",
       From::Custom,
       Do(&Wizard::BackClicked),
       {L"SelectPage(MainPage)"},
       View::FramedView,
       Page::MainPage},
      {"path typed",
       From::Custom,
       Do(&Wizard::PathTextChanged),
       {L"UpdateFreeSpace"},
       View::FramedView,
       Page::CustomPage},
      {"browse, unlocked",
       From::Custom,
       Do(&Wizard::BrowseClicked),
       {L"BrowseForFolder"},
       View::FramedView,
       Page::CustomPage},
      {"privacy link",
       From::Custom,
       Do(&Wizard::PrivacyLinkClicked),
       {L"OpenWebPage(Privacy)"},
       View::FramedView,
       Page::CustomPage},
      {"progress",
       From::Download,
       Message(WM_DOWNLOAD_PROGRESS, 37),
       {L"UpdateProgress(37)"},
       View::FramedView,
       Page::DownloadPage},
      {"download done",
       From::Download,
       Message(WM_DOWNLOAD_DONE),
       {L"SelectView(BusyView)", L"StartPackageRunner"},
       View::BusyView,
       Page::DownloadPage},
      {"download failed",
       From::Download,
       Message(WM_DOWNLOAD_FAILED),
       {L"EnableCloseButton(true)", L"SelectPage(NetworkErrorPage)"},
       View::FramedView,
       Page::NetworkErrorPage},
      {"install done",
       From::Busy,
       Message(WM_INSTALL_DONE),
       {L"EnableCloseButton(true)", L"SelectView(FramedView)", L"SelectPage(ResultPage)"},
       View::FramedView,
       Page::ResultPage},
      {"install failed",
       From::Busy,
       Message(WM_INSTALL_FAILED),
       {L"EnableCloseButton(true)", L"SelectView(FramedView)", L"SelectPage(FailedPage)"},
       View::FramedView,
       Page::FailedPage},
      {"start browser",
       From::Result,
       Do(&Wizard::StartBrowserClicked),
       {L"LaunchInstalledBrowser", L"Quit"},
       View::FramedView,
       Page::ResultPage},
      {"help link",
       From::NetworkError,
       Do(&Wizard::HelpLinkClicked),
       {L"OpenWebPage(ErrorHelp)"},
       View::FramedView,
       Page::NetworkErrorPage},
      {"network error OK",
       From::NetworkError,
       Do(&Wizard::ErrorOkClicked),
       {L"Quit"},
       View::FramedView,
       Page::NetworkErrorPage},
      {"failed OK",
       From::Failed,
       Do(&Wizard::FailedOkClicked),
       {L"Quit"},
       View::FramedView,
       Page::FailedPage},
      {"close on main page asks",
       From::Main,
       Do(&Wizard::CloseClicked),
       {confirm, L"Quit"},
       View::FramedView,
       Page::MainPage},
      {"close on custom page asks",
       From::Custom,
       Do(&Wizard::CloseClicked),
       {confirm, L"Quit"},
       View::FramedView,
       Page::CustomPage},
      {"close on result page",
       From::Result,
       Do(&Wizard::CloseClicked),
       {L"Quit"},
       View::FramedView,
       Page::ResultPage},
      {"close on network error page",
       From::NetworkError,
       Do(&Wizard::CloseClicked),
       {L"Quit"},
       View::FramedView,
       Page::NetworkErrorPage},
      {"close on failed page",
       From::Failed,
       Do(&Wizard::CloseClicked),
       {L"Quit"},
       View::FramedView,
       Page::FailedPage},
      {"minimise",
       From::Download,
       Do(&Wizard::MinimizeClicked),
       {L"Minimize"},
       View::FramedView,
       Page::DownloadPage},
      {"system close on main page",
       From::Main,
       Do(&Wizard::SystemCloseCommand),
       {L"ShowMinimized"},
       View::FramedView,
       Page::MainPage},
      {"system close while busy",
       From::Busy,
       Do(&Wizard::SystemCloseCommand),
       {L"ShowMinimized"},
       View::BusyView,
       Page::DownloadPage},
      {"WM_CLOSE while downloading",
       From::Download,
       Do(&Wizard::CloseMessage),
       {L"EndAtOnce"},
       View::FramedView,
       Page::DownloadPage},
      {"WM_CLOSE on result page",
       From::Result,
       Do(&Wizard::CloseMessage),
       {L"EndAtOnce"},
       View::FramedView,
       Page::ResultPage},
      {"caption double click",
       From::Main,
       Do(&Wizard::CaptionDoubleClicked),
       {},
       View::FramedView,
       Page::MainPage},
      {"second instance",
       From::Busy,
       Message(WM_ACTIVATE_INSTANCE),
       {L"ShowNormal"},
       View::BusyView,
       Page::DownloadPage},
  };
  for (const Transition& t : transitions) {
    SCOPED_TRACE(t.name);
    Harness h(t.from);
    t.event(h.wizard);
    EXPECT_EQ(h.effects.log, t.effects);
    EXPECT_EQ(h.wizard.state().view, t.view);
    EXPECT_EQ(h.wizard.state().page, t.page);
  }
}

// Controls that are not on screen or not enabled in a state can't be
// clicked there; if such an event arrives all the same it changes nothing.
TEST(Wizard, ControlsOutsideTheirStateDoNothing) {
  struct Case {
    const char* name;
    From from;
    Event event;
  };
  const Case cases[] = {
      {"close while downloading", From::Download, Do(&Wizard::CloseClicked)},
      {"second install click while downloading", From::Download, Do(&Wizard::InstallClicked)},
      {"close while busy", From::Busy, Do(&Wizard::CloseClicked)},
      {"minimise while busy", From::Busy, Do(&Wizard::MinimizeClicked)},
      {"install while busy", From::Busy, Do(&Wizard::InstallClicked)},
      {"back on main page", From::Main, Do(&Wizard::BackClicked)},
      {"path typed on main page", From::Main, Do(&Wizard::PathTextChanged)},
      {"browse on main page", From::Main, Do(&Wizard::BrowseClicked)},
      {"agreement on custom page", From::Custom, Agreement(false)},
      {"start browser on failed page", From::Failed, Do(&Wizard::StartBrowserClicked)},
      {"failed page's OK on result page", From::Result, Do(&Wizard::FailedOkClicked)},
      {"help link on failed page", From::Failed, Do(&Wizard::HelpLinkClicked)},
      {"network error OK on main page", From::Main, Do(&Wizard::ErrorOkClicked)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Harness h(c.from);
    const WizardState before = h.wizard.state();
    c.event(h.wizard);
    EXPECT_TRUE(h.effects.log.empty()) << h.effects.log.size() << " effects";
    EXPECT_EQ(h.wizard.state().view, before.view);
    EXPECT_EQ(h.wizard.state().page, before.page);
    EXPECT_EQ(h.wizard.state().closeEnabled, before.closeEnabled);
  }
}

TEST(Wizard, TheAgreementGatesBothEntryButtons) {
  Harness h(From::Main);
  h.wizard.AgreementChanged(false);
  h.wizard.InstallClicked();
  h.wizard.CustomLinkClicked();
  EXPECT_EQ(h.effects.log, std::vector<std::wstring>{L"EnableEntryButtons(false)"});
  EXPECT_FALSE(h.wizard.state().agreement);

  h.wizard.AgreementChanged(true);
  h.wizard.CustomLinkClicked();
  EXPECT_EQ(h.effects.log,
            (std::vector<std::wstring>{L"EnableEntryButtons(false)", L"EnableEntryButtons(true)",
                                       L"SelectPage(CustomPage)"}));
}

// Clicks queued behind the one that quit must not act again: a double click
// on the start button would otherwise start the browser twice.
TEST(Wizard, ControlsDoNothingOnceQuitIsAskedFor) {
  Harness result(From::Result);
  result.wizard.StartBrowserClicked();
  result.wizard.StartBrowserClicked();
  result.wizard.CloseClicked();
  EXPECT_EQ(result.effects.log, (std::vector<std::wstring>{L"LaunchInstalledBrowser", L"Quit"}));
  EXPECT_TRUE(result.wizard.state().quitting);

  Harness main(From::Main);
  main.wizard.CloseClicked();
  main.wizard.CloseClicked();
  main.wizard.InstallClicked();
  EXPECT_EQ(main.effects.log.size(), 2u);  // one question, one quit
}

TEST(Wizard, InstallRequestChecksTheFolderBeforeTheSpace) {
  const std::wstring made = std::wstring(L"CreateDirectoryChain(") + kPath + L")";
  const std::wstring invalid = L"ShowMessageDialog(ok, 无效的安装路径)";
  const std::wstring full = L"ShowMessageDialog(ok, 当前盘符空间不足，请选择其他安装路径)";
  struct Case {
    const char* name;
    bool folderCreated;
    SpaceVerdict space;
    std::vector<std::wstring> effects;
  };
  const Case cases[] = {
      {"folder can't be made", false, SpaceVerdict::Enough, {L"GetInstallPath", made, invalid}},
      {"neither folder nor space",
       false,
       SpaceVerdict::TooLittle,
       {L"GetInstallPath", made, invalid}},
      // The folder exists by the time the space message shows.
      {"too little space", true, SpaceVerdict::TooLittle, {L"GetInstallPath", made, full}},
  };
  for (const Case& c : cases) {
    for (const From from : {From::Main, From::Custom}) {
      SCOPED_TRACE(c.name);
      Harness h(from, {false, c.space});
      h.effects.folderCreated = c.folderCreated;
      const Page page = h.wizard.state().page;
      h.wizard.InstallClicked();
      EXPECT_EQ(h.effects.log, c.effects);
      EXPECT_EQ(h.wizard.state().page, page);
      EXPECT_TRUE(h.wizard.state().closeEnabled);
    }
  }
}

// enoughSpace is the verdict of the last free-space update that found a
// drive root; an update without one leaves it.
TEST(Wizard, EnoughSpaceFollowsTheLastVerdict) {
  struct Case {
    SpaceVerdict initial;
    std::vector<SpaceVerdict> typed;
    SpaceVerdict browsed;
    bool enoughSpace;
  };
  const auto Enough = SpaceVerdict::Enough, TooLittle = SpaceVerdict::TooLittle,
             Unchanged = SpaceVerdict::Unchanged;
  const Case cases[] = {
      {Enough, {}, Unchanged, true},
      {TooLittle, {}, Unchanged, false},
      {Unchanged, {}, Unchanged, true},  // no root at start: the initial true stands
      {TooLittle, {Enough}, Unchanged, true},
      {Enough, {TooLittle, Unchanged}, Unchanged, false},
      {TooLittle, {Unchanged, Unchanged}, Unchanged, false},
      {Enough, {}, TooLittle, false},
      {TooLittle, {TooLittle}, Enough, true},
  };
  for (const Case& c : cases) {
    Harness h(From::Custom, {false, c.initial});
    for (const SpaceVerdict verdict : c.typed) {
      h.effects.freeSpace = verdict;
      h.wizard.PathTextChanged();
    }
    h.effects.browsed = c.browsed;
    h.wizard.BrowseClicked();
    EXPECT_EQ(h.wizard.state().enoughSpace, c.enoughSpace)
        << "case " << (&c - cases) << ", log size " << h.effects.log.size();
  }
}

TEST(Wizard, CloseRequestKeepsTheInstallerOnCancel) {
  Harness h(From::Custom);
  h.effects.dialogOk = false;
  h.wizard.CloseClicked();
  h.wizard.CloseClicked();
  const std::wstring confirm = L"ShowMessageDialog(cancel, 您确定要退出Lumo游戏浏览器的安装吗？)";
  EXPECT_EQ(h.effects.log, (std::vector<std::wstring>{confirm, confirm}));
  EXPECT_EQ(h.wizard.state().page, Page::CustomPage);
  EXPECT_FALSE(h.wizard.state().quitting);
}

TEST(Wizard, CloseAndFinishedFlagsAlongTheRoad) {
  struct Case {
    From from;
    bool closeEnabled;
    bool finished;
  };
  const Case cases[] = {{From::Main, true, false},      {From::Custom, true, false},
                        {From::Download, false, false}, {From::Busy, false, false},
                        {From::Result, true, true},     {From::NetworkError, true, true},
                        {From::Failed, true, true}};
  for (const Case& c : cases) {
    const Harness h(c.from);
    EXPECT_EQ(h.wizard.state().closeEnabled, c.closeEnabled) << static_cast<int>(c.from);
    EXPECT_EQ(h.wizard.state().finished, c.finished) << static_cast<int>(c.from);
  }
}

TEST(Wizard, ALockedFolderCantBeBrowsed) {
  Harness h(From::Custom, {true, SpaceVerdict::Enough});
  h.wizard.BrowseClicked();
  EXPECT_EQ(h.effects.log,
            std::vector<std::wstring>{
                L"ShowMessageDialog(ok, Lumo游戏浏览器已安装，路径不能修改，建议覆盖安装)"});
  EXPECT_TRUE(h.wizard.state().pathLocked);
}

// The worker's value goes to UpdateProgress as it is, on whatever page:
// the window shows any number and moves the bar only within 0 to 100.
TEST(Wizard, ProgressPassesEveryValueOn) {
  const std::pair<std::uintptr_t, const wchar_t*> cases[] = {
      {0, L"UpdateProgress(0)"},
      {100, L"UpdateProgress(100)"},
      {150, L"UpdateProgress(150)"},
      {static_cast<std::uintptr_t>(-1), L"UpdateProgress(-1)"},
  };
  for (const From from : {From::Download, From::Main}) {
    Harness h(from);
    std::vector<std::wstring> expected;
    for (const auto& [wParam, effect] : cases) {
      EXPECT_TRUE(h.wizard.PrivateMessage(WM_DOWNLOAD_PROGRESS, wParam));
      expected.push_back(effect);
    }
    EXPECT_EQ(h.effects.log, expected);
  }
}

TEST(Wizard, StartWithoutALaunchCommandStaysAndTriesAgain) {
  Harness h(From::Result);
  h.effects.commandFound = false;
  h.wizard.StartBrowserClicked();
  EXPECT_EQ(h.wizard.state().page, Page::ResultPage);
  EXPECT_FALSE(h.wizard.state().quitting);
  h.effects.commandFound = true;
  h.wizard.StartBrowserClicked();
  EXPECT_EQ(h.effects.log, (std::vector<std::wstring>{L"LaunchInstalledBrowser",
                                                      L"LaunchInstalledBrowser", L"Quit"}));
}

TEST(Wizard, OtherMessagesAreNotItsOwn) {
  Harness h(From::Main);
  EXPECT_FALSE(h.wizard.PrivateMessage(WM_DOWNLOAD_PROGRESS - 1, 0));
  EXPECT_FALSE(h.wizard.PrivateMessage(WM_ACTIVATE_INSTANCE + 1, 0));
  EXPECT_TRUE(h.effects.log.empty());
}

}  // namespace
}  // namespace lumo
