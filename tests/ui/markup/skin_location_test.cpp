// The skin location under wine: the test program carries its own "ZIPRES"
// resources (132: the packed tests/ui/markup/skin_fixture folder; 133: empty),
// and skin folders are made beside it.
#include "ui/markup/skin_location.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/temp_folder.h"
#include "tests/ui/markup/markup_text.h"
#include "tests/ui/markup/zip_builder.h"
#include "ui/markup/xml_document.h"
#include "ui/markup/xml_node.h"

namespace Veneer {
namespace {

using lumo::test::ExecutableFolder;
using lumo::test::TempFolder;
using test::Show;

const wchar_t* const kFixtureArchive = MAKEINTRESOURCEW(132);
const wchar_t* const kEmptyArchive = MAKEINTRESOURCEW(133);

// A folder beside the test program, removed with the files written into it.
class SkinFolder {
 public:
  explicit SkinFolder(const wchar_t* name) : name_(name), path_(ExecutableFolder() + L"\\" + name) {
    CreateDirectoryW(path_.c_str(), nullptr);
  }
  ~SkinFolder() {
    for (const std::wstring& file : files_) DeleteFileW(file.c_str());
    RemoveDirectoryW(path_.c_str());
  }
  SkinFolder(const SkinFolder&) = delete;
  SkinFolder& operator=(const SkinFolder&) = delete;

  // The folder's name relative to the program's folder, as a window gives it.
  const wchar_t* name() const { return name_.c_str(); }
  bool Write(const std::wstring& file, const std::string& contents) {
    files_.push_back(path_ + L"\\" + file);
    DeleteFileW(files_.back().c_str());
    return lumo::test::WriteFile(files_.back(), contents);
  }

 private:
  std::wstring name_;
  std::wstring path_;
  std::vector<std::wstring> files_;
};

SkinRequest Request(SkinSource kind, const wchar_t* folder, const wchar_t* archiveName = L"",
                    const wchar_t* resourceId = nullptr) {
  SkinRequest request;
  request.kind = kind;
  request.folder = folder;
  request.archiveName = archiveName;
  request.resourceId = resourceId;
  return request;
}

// The root's name, or the load error.
std::string Load(const SkinLocation& location, const wchar_t* file) {
  CXmlDocument document;
  if (document.LoadSkinFile(location, file)) return Show(document.Root().Name());
  return "error: " + Show(document.ErrorMessage()) + " @" + Show(document.ErrorLocation());
}

TEST(SkinLocation, TakesTheResourceFolderFromTheFirstWindow) {
  struct Case {
    const wchar_t* folder;
    std::wstring expected;
  };
  const std::wstring program = ExecutableFolder();
  const Case cases[] = {
      {L"", program + L"\\"},
      {L"skin", program + L"\\skin\\"},
      {L"skin\\", program + L"\\skin\\"},
      {L"skin/", program + L"\\skin/"},
  };
  for (const Case& c : cases) {
    SkinLocation location;
    EXPECT_TRUE(location.PrepareForWindow(Request(SkinSource::FromFolder, c.folder)));
    EXPECT_EQ(location.ResourceFolder(), c.expected);
    EXPECT_TRUE(location.PrepareForWindow(Request(SkinSource::FromZipFile, L"other", L"a.zip")));
    EXPECT_EQ(location.ResourceFolder(), c.expected);
  }
}

TEST(SkinLocation, OpensTheResourceArchiveOnceForEveryLaterWindow) {
  SkinLocation location;
  ASSERT_TRUE(location.PrepareForWindow(
      Request(SkinSource::FromZipResource, L"", L"skin.zip", kFixtureArchive)));
  EXPECT_EQ(location.ArchiveName(), L"membuffer");
  EXPECT_TRUE(location.ArchiveKeptOpen());
  const ZipArchive* archive = location.Archive();
  ASSERT_NE(archive, nullptr);
  EXPECT_EQ(Load(location, L"layout.xml"), "Archive");

  // A second window of the same kind reuses the archive.
  ASSERT_TRUE(
      location.PrepareForWindow(Request(SkinSource::FromZipResource, L"", L"", kFixtureArchive)));
  EXPECT_EQ(location.Archive(), archive);

  // So does a window of plain files, like the message dialog: the folder
  // "skin" beside the program has no such files.
  ASSERT_TRUE(location.PrepareForWindow(Request(SkinSource::FromFolder, L"skin")));
  EXPECT_EQ(location.ResourceFolder(), ExecutableFolder() + L"\\");
  EXPECT_EQ(location.Archive(), archive);
  EXPECT_EQ(Load(location, L"MESSAGE.XML"), "Window");
  EXPECT_EQ(Load(location, L"..\\Layout.xml"), "error: Could not find ziped file @");
}

TEST(SkinLocation, StopsQuietlyWithoutItsArchiveResource) {
  const wchar_t* const ids[] = {kEmptyArchive, MAKEINTRESOURCEW(999), nullptr};
  for (const wchar_t* id : ids) {
    SkinLocation location;
    EXPECT_FALSE(location.PrepareForWindow(Request(SkinSource::FromZipResource, L"skin", L"", id)));
    EXPECT_EQ(location.ResourceFolder(), ExecutableFolder() + L"\\skin\\");
    EXPECT_EQ(location.ArchiveName(), L"");
    EXPECT_EQ(location.Archive(), nullptr);
  }
}

TEST(SkinLocation, KeepsAnArchiveFileOpenUntilAnotherIsNamed) {
  SkinFolder folder(L"skin-archive-file");
  test::ZipBuilder builder;
  ASSERT_TRUE(folder.Write(L"skin.zip", builder.Add("main.xml", "<Main />").Build()));
  SkinLocation location;
  ASSERT_TRUE(
      location.PrepareForWindow(Request(SkinSource::FromZipFile, folder.name(), L"skin.zip")));
  const ZipArchive* archive = location.Archive();
  ASSERT_NE(archive, nullptr);
  EXPECT_EQ(Load(location, L"main.xml"), "Main");
  ASSERT_TRUE(location.PrepareForWindow(Request(SkinSource::FromZipFile, L"", L"skin.zip")));
  EXPECT_EQ(location.Archive(), archive);

  ASSERT_TRUE(location.PrepareForWindow(Request(SkinSource::FromZipFile, L"", L"missing.zip")));
  EXPECT_EQ(location.ArchiveName(), L"missing.zip");
  EXPECT_TRUE(location.ArchiveKeptOpen());
  EXPECT_EQ(location.Archive(), nullptr);
  EXPECT_EQ(Load(location, L"main.xml"), "error: Error opening zip file @");
}

// A layout of exactly `size` bytes.
std::string LayoutOfSize(size_t size) {
  return "<a>" + std::string(size - 7, ' ') + "</a>";
}

TEST(LoadSkinFile, ReportsWhyALayoutCannotBeLoaded) {
  SkinFolder folder(L"skin-load-errors");
  const struct {
    std::string name;
    std::string contents;
  } layouts[] = {
      {"exact.xml", LayoutOfSize(4194304)},
      {"over.xml", LayoutOfSize(4194305)},
      {"empty.xml", ""},
      {"broken.xml", "<a><b></c></a>"},
  };
  test::ZipBuilder builder;
  for (const auto& layout : layouts) {
    builder.Add(layout.name, layout.contents);
    ASSERT_TRUE(
        folder.Write(std::wstring(layout.name.begin(), layout.name.end()), layout.contents));
  }
  builder.Add({"bzip2.xml", "<a />", 12});
  ASSERT_TRUE(folder.Write(L"skin.zip", builder.Build()));
  SkinLocation files;
  ASSERT_TRUE(files.PrepareForWindow(Request(SkinSource::FromFolder, folder.name())));
  SkinLocation archive;
  ASSERT_TRUE(
      archive.PrepareForWindow(Request(SkinSource::FromZipFile, folder.name(), L"skin.zip")));

  struct Case {
    const wchar_t* file;
    const char* fromArchive;
    const char* fromFolder;
  };
  const Case cases[] = {
      {L"exact.xml", "a", "a"},
      {L"over.xml", "error: File too large @", "error: File too large @"},
      {L"empty.xml", "error: File is empty @", "error: File is empty @"},
      {L"broken.xml", "error: Unmatched closing tag @c></a>",
       "error: Unmatched closing tag @c></a>"},
      {L"bzip2.xml", "error: Could not unzip file @", "error: Error opening file @"},
      {L"missing.xml", "error: Could not find ziped file @", "error: Error opening file @"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Load(archive, c.file), c.fromArchive) << Show(c.file);
    EXPECT_EQ(Load(files, c.file), c.fromFolder) << Show(c.file);
  }
}

TEST(LoadSkinFile, ReadsThroughTheProcessLocation) {
  ASSERT_TRUE(SkinLocation::Process().PrepareForWindow(
      Request(SkinSource::FromZipResource, L"", L"", kFixtureArchive)));
  CXmlDocument document;
  ASSERT_TRUE(document.LoadSkinFile(L"layout.xml"));
  EXPECT_EQ(Show(document.Root().FirstChild().Name()), "Label");
}

// Pictures and animations: the skin's file, else the name as a plain path.
TEST(SkinLocation, FindsPicturesInTheSkinOrAtTheirPath) {
  TempFolder elsewhere;
  ASSERT_TRUE(lumo::test::WriteFile(elsewhere / L"outside.png", "outside"));
  SkinFolder folder(L"skin-pictures");
  ASSERT_TRUE(folder.Write(L"inside.png", "inside"));

  SkinLocation files;
  ASSERT_TRUE(files.PrepareForWindow(Request(SkinSource::FromFolder, folder.name())));
  SkinLocation archive;
  ASSERT_TRUE(archive.PrepareForWindow(
      Request(SkinSource::FromZipResource, folder.name(), L"", kFixtureArchive)));

  std::vector<unsigned char> bytes;
  ASSERT_TRUE(files.ReadSkinOrPlainFile(L"inside.png", &bytes));
  EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "inside");
  ASSERT_TRUE(archive.ReadSkinOrPlainFile(L"picture.png", &bytes));
  EXPECT_EQ(std::string(bytes.begin() + 1, bytes.begin() + 4), "PNG");
  for (const SkinLocation* location : {&files, &archive}) {
    ASSERT_TRUE(location->ReadSkinOrPlainFile((elsewhere / L"outside.png").c_str(), &bytes));
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "outside");
    EXPECT_FALSE(location->ReadSkinOrPlainFile(L"nowhere.png", &bytes));
    EXPECT_TRUE(bytes.empty());
  }
  // Once the archive is in use, the folder's files are not read.
  EXPECT_FALSE(archive.ReadSkinOrPlainFile(L"inside.png", &bytes));
}

TEST(SkinLocation, ReadsTheProgramsResources) {
  const SkinLocation location;
  std::vector<unsigned char> bytes;
  ASSERT_TRUE(location.ReadResource(L"ZIPRES", kFixtureArchive, &bytes));
  EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 4), "PK\x03\x04");
  EXPECT_FALSE(location.ReadResource(L"ZIPRES", kEmptyArchive, &bytes));
  EXPECT_FALSE(location.ReadResource(L"ZIPRES", MAKEINTRESOURCEW(999), &bytes));
  EXPECT_FALSE(location.ReadResource(L"xml", kFixtureArchive, &bytes));
}

}  // namespace
}  // namespace Veneer
