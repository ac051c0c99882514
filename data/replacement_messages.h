#pragma once
// Why a file could not be replaced (data/file_replacement.h), in the user's language.

#include <filesystem>
#include <string>

#include "core/language.h"
#include "data/file_replacement.h"

namespace tervolin {

// The reason alone: "名前付きパイプ（FIFO）であり、通常のファイルではありません",
// "ディスクの空き容量が足りません", "システムのエラー（番号 71）" for an error without
// words of its own; "it is a named pipe (FIFO), not a regular file",
// "No space left on device".
std::string ReplacementFailureReason(const FileReplacementFailure& failure, Language language);

// A whole sentence naming the file, for the screens:
// "ファイル「P_Spectrum.dat」に書き込めません（ディスクの空き容量が足りません）".
std::string DescribeReplacementFailure(const std::filesystem::path& file, const FileReplacementFailure& failure,
                                       Language language);

// The same for the command line: "cannot write spectrum.csv: No space left on device".
std::string DescribeReplacementFailureInEnglish(const std::filesystem::path& file,
                                                const FileReplacementFailure& failure);

// The command line's message in `language`: the English one above, or the screens'
// sentence in another language.
std::string DescribeReplacementFailureOnCommandLine(const std::filesystem::path& file,
                                                    const FileReplacementFailure& failure, Language language);

}  // namespace tervolin
