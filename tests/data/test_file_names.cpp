// What a file name says about its type, the folders a file dialog may open in, and
// a failed save's reason in Japanese only.

#include <gtest/gtest.h>

#include <cerrno>

#include "data/file_names.h"
#include "data/replacement_messages.h"

namespace tervolin {
namespace {

TEST(FileNames, OnlyShortLettersAfterTheLastDotNameAType) {
  const std::pair<const char*, const char*> cases[] = {
      {"graph.png", "png"}, {"graph.TXT", "TXT"}, {"/a.b/photo.jpeg", "jpeg"}, {"song.mp3", "mp3"},
      {"data.2024", ""},    {"干渉性散乱_鉄_2.5keV", ""}, {"100kV_12deg_Cu0.1mm", ""}, {"report.final", ""},
      {".profile", ""},     {"graph.", ""},     {"/a.b/graph", ""},      {"鉄.図", ""}};
  for (const auto& [name, extension] : cases) EXPECT_EQ(FileTypeExtension(name), extension) << name;
}

TEST(FileNames, DialogsStayOutOfTheKernelsFolders) {
  for (const char* folder : {"/proc", "/proc/self/fd", "/sys/kernel", "/dev", "/no/such"}) EXPECT_FALSE(IsSafeDialogFolder(folder));
}

TEST(FileNames, FailedSavesReasonHasNoEnglish) {
  EXPECT_EQ(ReplacementFailureReason({FileReplacementFailure::Create, EPROTO}, Language::kJapanese),
            "システムのエラー（番号 " + std::to_string(EPROTO) + "）");
}

}  // namespace
}  // namespace tervolin
