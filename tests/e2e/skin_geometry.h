// Where the skin's layouts put the controls the tests press and the pictures
// they look for, in client coordinates of the 580 by 360 installer window
// and the 350 by 230 message dialog (the header of the framed view is 80
// high; its pages begin below it).
#pragma once

namespace lumo::e2e {

struct Box {
  int left, top, right, bottom;
  int x() const { return (left + right) / 2; }
  int y() const { return (top + bottom) / 2; }
};

namespace installer {
inline constexpr int kWidth = 580, kHeight = 360;
// Header.
inline constexpr Box kHeader = {0, 0, 580, 80};
inline constexpr Box kMinimise = {520, 14, 536, 30};
inline constexpr Box kClose = {549, 14, 566, 30};
inline constexpr Box kHeaderBackground = {20, 20, 120, 60};
// Main page.
inline constexpr Box kInstall = {191, 216, 390, 281};
inline constexpr Box kAgreementBox = {16, 329, 32, 345};
inline constexpr Box kAgreementLink = {114, 329, 234, 345};
inline constexpr Box kCustomLink = {488, 329, 566, 345};
// Custom page.
inline constexpr Box kPathBox = {120, 160, 427, 190};
inline constexpr Box kFreeSpace = {427, 160, 477, 190};
inline constexpr Box kBrowse = {477, 160, 541, 190};
inline constexpr Box kDefaultBrowserBox = {120, 206, 136, 222};
inline constexpr Box kTaskbarBox = {300, 206, 316, 222};
inline constexpr Box kDesktopBox = {120, 232, 136, 248};
inline constexpr Box kExperiencePlanBox = {300, 232, 316, 248};
inline constexpr Box kPrivacyLink = {348, 232, 488, 252};
inline constexpr Box kBack = {189, 297, 285, 331};
inline constexpr Box kCustomInstall = {295, 297, 391, 331};
// Download page.
inline constexpr Box kProgressBar = {50, 230, 530, 236};
inline constexpr Box kProgressLabel = {0, 248, 580, 264};
// Busy view.
inline constexpr Box kLoadingAnimation = {256, 124, 324, 192};
// Result page and failed page (the same place).
inline constexpr Box kResultPicture = {187, 120, 393, 162};
inline constexpr Box kOpen = {191, 213, 390, 278};
// Network error page.
inline constexpr Box kErrorHelpLink = {240, 208, 340, 223};
inline constexpr Box kErrorOk = {191, 253, 390, 318};
}  // namespace installer

namespace dialog {
inline constexpr int kWidth = 350, kHeight = 230;
inline constexpr Box kClose = {321, 7, 345, 31};
inline constexpr Box kOkWithCancel = {80, 181, 170, 211};
inline constexpr Box kCancel = {180, 181, 270, 211};
inline constexpr Box kOkAlone = {130, 181, 220, 211};
}  // namespace dialog

}  // namespace lumo::e2e
