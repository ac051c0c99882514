#include "data/replacement_messages.h"

#include <cerrno>
#include <cstring>
#include <string>

#include "core/text_catalogue.h"

namespace tervolin {

namespace {

using Failure = FileReplacementFailure;

struct RefusalText {
  Failure::Refusal refusal;
  TextId text;
};

constexpr RefusalText kRefusals[] = {
    {Failure::Folder, TextId::kIsFolder},         {Failure::Device, TextId::kIsDevice},
    {Failure::Pipe, TextId::kIsPipe},             {Failure::Socket, TextId::kIsSocket},
    {Failure::NotRegular, TextId::kNotRegularFile}, {Failure::ReadOnly, TextId::kIsReadOnly},
    {Failure::ProtectedLink, TextId::kProtectedLink}, {Failure::DanglingLink, TextId::kDanglingLink},
};

struct ErrorText {
  int error;
  TextId text;
};

constexpr ErrorText kErrors[] = {
    {ENOSPC, TextId::kNoSpace},           {EDQUOT, TextId::kOverQuota},         {EACCES, TextId::kWriteNotAllowed},
    {EPERM, TextId::kWriteNotAllowed},    {EROFS, TextId::kReadOnlyFileSystem}, {ENOENT, TextId::kFolderNotFound},
    {ENOTDIR, TextId::kPathNotFolder},    {EISDIR, TextId::kIsFolder},          {EFBIG, TextId::kFileTooLarge},
    {EIO, TextId::kDiskError},            {ENAMETOOLONG, TextId::kNameTooLong}, {ELOOP, TextId::kTooManyLinks},
    {EINTR, TextId::kInterrupted},        {EBUSY, TextId::kFileBusy},           {ETXTBSY, TextId::kFileBusy},
    {EMFILE, TextId::kTooManyOpenFiles},  {ENFILE, TextId::kTooManyOpenFiles},  {ENOMEM, TextId::kOutOfMemory},
};

}  // namespace

std::string ReplacementFailureReason(const Failure& failure, Language language) {
  for (const RefusalText& text : kRefusals) {
    if (text.refusal == failure.refusal) return TextOf(text.text, language);
  }
  // The system's own wording is English, and names every error.
  if (language == Language::kEnglish && failure.error != EINTR) return std::strerror(failure.error);
  for (const ErrorText& text : kErrors) {
    if (text.error == failure.error) return TextOf(text.text, language);
  }
  return TextOf(TextId::kSystemError, {std::to_string(failure.error)}, language);
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

std::string DescribeReplacementFailure(const std::filesystem::path& file, const Failure& failure, Language language) {
  static constexpr TextId kStepText[] = {TextId::kReplaceCannotRewrite, TextId::kReplaceCannotCreate,
                                         TextId::kReplaceCannotWrite, TextId::kReplaceCannotReplace};
  const std::string reason = FolderRefused(failure) ? TextOf(TextId::kFolderRefusesWriting, {FolderOf(file)}, language)
                                                    : ReplacementFailureReason(failure, language);
  return TextOf(kStepText[failure.step], {file.string(), reason}, language);
}

std::string DescribeReplacementFailureInEnglish(const std::filesystem::path& file, const Failure& failure) {
  const char* verb = failure.step == Failure::Replace && failure.error != EINTR ? "replace" : "write";
  const std::string reason = FolderRefused(failure) ? TextOf(TextId::kFolderRefusesWriting, {FolderOf(file)}, Language::kEnglish)
                                                    : ReplacementFailureReason(failure, Language::kEnglish);
  return std::string("cannot ") + verb + " " + file.string() + ": " + reason;
}

std::string DescribeReplacementFailureOnCommandLine(const std::filesystem::path& file, const Failure& failure,
                                                    Language language) {
  return language == Language::kEnglish ? DescribeReplacementFailureInEnglish(file, failure)
                                        : DescribeReplacementFailure(file, failure, language);
}

}  // namespace tervolin
