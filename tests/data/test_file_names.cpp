// What a file name says about its type, the folders a file dialog may open in, and
// the reasons of a failed save in Japanese only.

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>

#include "data/file_names.h"
#include "data/replacement_messages.h"
#include "support/scratch_directory.h"

namespace tervolin {
namespace {

TEST(FileTypeExtension, OnlyShortLettersAfterTheLastDotNameAType) {
  const std::pair<const char*, const char*> cases[] = {
      {"graph.png", "png"},      {"graph.TXT", "TXT"},       {"/a.b/photo.jpeg", "jpeg"},
      {"song.mp3", "mp3"},       {"graph.png.txt", "txt"},   {"data.2024", ""},
      {"干渉性散乱_鉄_2.5keV", ""}, {"100kV_12deg_Cu0.1mm", ""}, {"report.final", ""},
      {".profile", ""},          {"graph.", ""},             {"/a.b/graph", ""},
      {"鉄.図", ""},              {"", ""}};
  for (const auto& [name, extension] : cases) EXPECT_EQ(FileTypeExtension(name), extension) << name;
}

TEST(DialogFolders, KernelFoldersAndThoseLinkedToThemAreRefused) {
  const testing::ScratchDirectory scratch;
  std::filesystem::create_directory(scratch.path() / "pictures");
  std::filesystem::create_directory_symlink("/proc/self", scratch.path() / "into-proc");
  std::filesystem::create_directory_symlink(scratch.path() / "pictures", scratch.path() / "to-pictures");
  const std::pair<std::filesystem::path, bool> cases[] = {
      {scratch.path() / "pictures", true}, {scratch.path() / "to-pictures", true}, {"/", true},
      {scratch.path() / "gone", false},    {scratch.path() / "into-proc", false},  {"/proc", false},
      {"/proc/self/fd", false},            {"/sys/kernel", false},                 {"/dev", false}};
  for (const auto& [folder, safe] : cases) EXPECT_EQ(IsSafeDialogFolder(folder), safe) << folder;
}

TEST(ReplacementReasons, JapaneseWithoutTheSystemsEnglish) {
  using Failure = FileReplacementFailure;
  EXPECT_EQ(ReplacementFailureReason({Failure::Write, ENOSPC}, MessageLanguage::Japanese),
            "ディスクの空き容量が足りません");
  EXPECT_EQ(ReplacementFailureReason({Failure::Create, EPROTO}, MessageLanguage::Japanese),
            "システムのエラー（番号 " + std::to_string(EPROTO) + "）");
}

}  // namespace
}  // namespace tervolin
