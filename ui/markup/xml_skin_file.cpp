// Loading a layout document from the skin.
#include "ui/markup/skin_location.h"
#include "ui/markup/xml_document.h"

namespace Veneer {
namespace {

const char* LoadError(SkinRead result) {
  switch (result) {
    case SkinRead::kNoArchive: return "Error opening zip file";
    case SkinRead::kNotInArchive: return "Could not find ziped file";
    case SkinRead::kEmpty: return "File is empty";
    case SkinRead::kTooLarge: return "File too large";
    case SkinRead::kUnzipFailed: return "Could not unzip file";
    case SkinRead::kOpenFailed: return "Error opening file";
    case SkinRead::kShortRead: return "Could not read file";
    case SkinRead::kDone: break;
  }
  return "";
}

}  // namespace

bool CXmlDocument::LoadSkinFile(const wchar_t* fileName) {
  return LoadSkinFile(SkinLocation::Process(), fileName);
}

bool CXmlDocument::LoadSkinFile(const SkinLocation& location, const wchar_t* fileName) {
  Release();
  std::vector<unsigned char> bytes;
  const SkinRead result = location.ReadSkinFile(fileName, kMaxLayoutBytes, &bytes);
  if (result != SkinRead::kDone) {
    SetError(LoadError(result), nullptr);
    return false;
  }
  return LoadUtf8(bytes.data(), bytes.size());
}

}  // namespace Veneer
