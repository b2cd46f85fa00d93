#include "tests/e2e/installer_screen.h"

#include <cstdio>
#include <filesystem>

#include "tests/e2e/installation_run.h"

namespace lumo::e2e {
namespace {

std::optional<TopWindow> OnlyTitled(const std::string& title) {
  const std::vector<TopWindow> found = ListWindows().Titled(title);
  if (found.size() != 1) return std::nullopt;
  return found[0];
}

bool ClickIn(const std::optional<TopWindow>& window, const Box& box) {
  if (!window) return false;
  lumo::e2e::Click(window->rect.left + box.x(), window->rect.top + box.y());
  return true;
}

std::uint32_t MiddleColour(const std::string& picture) {
  const Image image = LoadPng(SkinPicture(picture));
  return image.At(image.width / 2, image.height / 2);
}

// The filled part is a blue gradient over a grey track.
bool IsBlue(std::uint32_t colour) {
  return static_cast<int>(colour & 0xFF) - static_cast<int>(colour >> 16) > 80;
}

}  // namespace

BarRow ProgressBar(const Image& shot) {
  const std::uint32_t back = MiddleColour("process_bk.png");
  const Box& bar = installer::kProgressBar;
  BarRow row;
  for (int x = bar.left; x < bar.right; ++x) {
    const std::uint32_t seen = shot.At(x, bar.y());
    row.filled += IsBlue(seen);
    row.empty += seen == back;
  }
  return row;
}

bool ShowsProgressBar(const Image& shot) {
  const BarRow row = ProgressBar(shot);
  const Box& bar = installer::kProgressBar;
  return row.filled + row.empty >= bar.right - bar.left - 4;
}

// The pictures are rendered from their sources into the 64-bit tree.
std::string SkinPicture(const std::string& file) {
  return Win64Tree() + "/skin/files/" + file;
}

InstallerScreen::InstallerScreen(std::string folder, std::string prefix)
    : folder_(std::move(folder)), prefix_(std::move(prefix)) {
  std::filesystem::create_directories(folder_);
}

std::optional<TopWindow> InstallerScreen::Window() const {
  return OnlyTitled(kInstallerTitle);
}

std::optional<TopWindow> InstallerScreen::Dialog() const {
  return OnlyTitled(kDialogTitle);
}

bool InstallerScreen::WaitForWindow() {
  return WaitUntil([&] { return Window().has_value(); });
}

bool InstallerScreen::WaitForDialog(bool shown) {
  return WaitUntil([&] { return Dialog().has_value() == shown; });
}

bool InstallerScreen::Click(const Box& box) {
  return ClickIn(Window(), box);
}

bool InstallerScreen::ClickDialog(const Box& box) {
  return ClickIn(Dialog(), box);
}

Image InstallerScreen::ShotOf(const TopWindow& window, const std::string& name, int margin) {
  char number[8];
  std::snprintf(number, sizeof number, "%02d", ++shots_);
  const std::string path = folder_ + "/" + prefix_ + "-" + number + "-" + name + ".png";
  const Rect area = {window.rect.left - margin, window.rect.top - margin,
                     window.rect.right + margin, window.rect.bottom + margin};
  kept_.push_back(path);
  return Screenshot(area, path);
}

Image InstallerScreen::Shot(const std::string& name, int margin) {
  const std::optional<TopWindow> window = Window();
  if (!window) return Image();
  return ShotOf(*window, name, margin);
}

bool InstallerScreen::Shows(const std::string& file, const Box& box) {
  const std::optional<TopWindow> window = Window();
  if (!window) return false;
  const std::string path = folder_ + "/." + prefix_ + "-probe.png";
  const Image shot = Screenshot(window->rect, path);
  std::error_code ignored;
  std::filesystem::remove(path, ignored);
  return MatchShare(shot, box.left, box.top, LoadPng(SkinPicture(file))) > 0.8;
}

bool InstallerScreen::WaitToShow(const std::string& file, const Box& box, const std::string& name) {
  const bool shown = WaitUntil([&] { return Shows(file, box); });
  Shot(name);
  return shown;
}

}  // namespace lumo::e2e
