#include "data/replacement_messages.h"

#include <cerrno>
#include <cstring>
#include <string>

namespace tervolin {

namespace {

using Failure = FileReplacementFailure;

struct RefusalText {
  Failure::Refusal refusal;
  const char* japanese;
  const char* english;
};

constexpr RefusalText kRefusals[] = {
    {Failure::Folder, "フォルダであり、ファイルではありません", "it is a folder, not a file"},
    {Failure::Device, "装置ファイル（デバイス）であり、通常のファイルではありません",
     "it is a device, not a regular file"},
    {Failure::Pipe, "名前付きパイプ（FIFO）であり、通常のファイルではありません",
     "it is a named pipe (FIFO), not a regular file"},
    {Failure::Socket, "ソケットであり、通常のファイルではありません", "it is a socket, not a regular file"},
    {Failure::NotRegular, "通常のファイルではありません", "it is not a regular file"},
    {Failure::ReadOnly, "読み取り専用のファイルです", "it is read-only"},
    {Failure::ProtectedLink, "誰でも書き込めるフォルダにある、他のユーザーのシンボリックリンクです（たどりません）",
     "it is a symbolic link in a sticky, world-writable folder, owned by neither you nor the folder's owner"},
    {Failure::DanglingLink, "シンボリックリンクの指す先がありません", "it is a symbolic link to a missing file"},
};

struct ErrorText {
  int error;
  const char* japanese;
};

constexpr ErrorText kErrors[] = {
    {ENOSPC, "ディスクの空き容量が足りません"},
    {EDQUOT, "ディスク使用量の上限（クォータ）を超えます"},
    {EACCES, "書き込みが許可されていません"},
    {EPERM, "書き込みが許可されていません"},
    {EROFS, "読み取り専用のファイルシステムです"},
    {ENOENT, "フォルダが見つかりません"},
    {ENOTDIR, "途中の名前がフォルダではありません"},
    {EISDIR, "フォルダであり、ファイルではありません"},
    {EFBIG, "ファイルが大きすぎます"},
    {EIO, "ディスクの読み書きでエラーが起きました"},
    {ENAMETOOLONG, "名前が長すぎます"},
    {ELOOP, "シンボリックリンクが多すぎるか、循環しています"},
    {EINTR, "終了の合図（シグナル）を受けたため、書き換えをやめました"},
    {EBUSY, "使用中です"},
    {ETXTBSY, "使用中です"},
    {EMFILE, "開いているファイルが多すぎます"},
    {ENFILE, "開いているファイルが多すぎます"},
    {ENOMEM, "メモリが足りません"},
};

}  // namespace

std::string ReplacementFailureReason(const Failure& failure, MessageLanguage language) {
  const bool japanese = language == MessageLanguage::Japanese;
  for (const RefusalText& text : kRefusals) {
    if (text.refusal == failure.refusal) return japanese ? text.japanese : text.english;
  }
  if (failure.error == EINTR && !japanese) return "interrupted by a signal (the file is left as it was)";
  if (!japanese) return std::strerror(failure.error);
  for (const ErrorText& text : kErrors) {
    if (text.error == failure.error) return text.japanese;
  }
  // The system's own wording is English: only the number goes to the screens.
  return "システムのエラー（番号 " + std::to_string(failure.error) + "）";
}

namespace {

// A new file beside the target, and the rename over it, are the folder's to allow: a
// refusal there is the folder's, whatever the file's own permission bits say.
bool FolderRefused(const Failure& failure) {
  const bool folderStep = failure.step == Failure::Create || failure.step == Failure::Replace;
  return folderStep && (failure.error == EACCES || failure.error == EPERM);
}

std::string FolderOf(const std::filesystem::path& file) {
  return file.has_parent_path() ? file.parent_path().string() : std::string(".");
}

}  // namespace

std::string DescribeReplacementFailure(const std::filesystem::path& file, const Failure& failure) {
  static constexpr const char* kStepText[] = {"は書き換えられません", "を作成できません", "に書き込めません",
                                              "を置き換えられません"};
  const std::string reason = FolderRefused(failure) ? "フォルダ「" + FolderOf(file) + "」への書き込みが許可されていません"
                                                    : ReplacementFailureReason(failure, MessageLanguage::Japanese);
  return "ファイル「" + file.string() + "」" + kStepText[failure.step] + "（" + reason + "）";
}

std::string DescribeReplacementFailureInEnglish(const std::filesystem::path& file, const Failure& failure) {
  const char* verb = failure.step == Failure::Replace && failure.error != EINTR ? "replace" : "write";
  const std::string reason = FolderRefused(failure) ? "the folder " + FolderOf(file) + " does not allow writing"
                                                    : ReplacementFailureReason(failure, MessageLanguage::English);
  return std::string("cannot ") + verb + " " + file.string() + ": " + reason;
}

}  // namespace tervolin
