// What a file name says about its type, the folders a file dialog may open in, and
// a failed save's reason in Japanese only.

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <utility>

#include "data/file_names.h"
#include "data/replacement_messages.h"
#include "support/scratch_directory.h"

namespace tervolin {
namespace {

TEST(FileNames, OnlyShortLettersAfterTheLastDotNameAType) {
  const std::pair<const char*, const char*> cases[] = {
      {"graph.png", "png"}, {"graph.TXT", "TXT"}, {"/a.b/photo.jpeg", "jpeg"}, {"song.mp3", "mp3"},
      {"data.2024", ""},    {"干渉性散乱_鉄_2.5keV", ""}, {"100kV_12deg_Cu0.1mm", ""}, {"report.final", ""},
      {".profile", ""},     {"graph.", ""},     {"/a.b/graph", ""},      {"鉄.図", ""}};
  for (const auto& [name, extension] : cases) EXPECT_EQ(FileTypeExtension(name), extension) << name;
}

// A folder in /proc, /sys or /dev, or one that leads there, is refused, and so is
// what is no folder; any other folder, by a link too, is the user's to open.
TEST(FileNames, DialogsStayOutOfTheKernelsFolders) {
  namespace fs = std::filesystem;
  const testing::ScratchDirectory scratch;
  scratch.Write("procedures/plain", "not a folder");
  fs::create_directory_symlink("/proc/self", scratch.path() / "self");
  fs::create_directory_symlink(scratch.path() / "procedures", scratch.path() / "notes");
  const std::pair<fs::path, bool> cases[] = {
      {"/proc", false}, {"/proc/self/fd", false}, {"/sys/kernel", false}, {"/dev", false}, {"/no/such", false},
      {scratch.path() / "self", false}, {scratch.path() / "procedures/plain", false},
      {"/", true}, {scratch.path(), true}, {scratch.path() / "procedures", true}, {scratch.path() / "notes", true}};
  for (const auto& [folder, safe] : cases) EXPECT_EQ(IsSafeDialogFolder(folder), safe) << folder;
}

TEST(FileNames, FailedSavesReasonHasNoEnglish) {
  EXPECT_EQ(ReplacementFailureReason({FileReplacementFailure::Create, EPROTO}, Language::kJapanese),
            "システムのエラー（番号 " + std::to_string(EPROTO) + "）");
}

}  // namespace
}  // namespace tervolin
