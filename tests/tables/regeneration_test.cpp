// The committed tables are exactly what tervolin_tables writes from xraylib.

#include "table_file.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>

namespace fs = std::filesystem;
using namespace tables_test;

namespace {

std::string quoted(const fs::path& path)
{
    const std::u8string text = path.u8string();
    return '"' + std::string(text.begin(), text.end()) + '"';
}

// Runs the tool with the given argument text; returns std::system's status.
int runTool(const std::string& arguments, const fs::path& errorLog)
{
    const std::string command =
        quoted(fs::path(TERVOLIN_TABLES_TOOL)) + " " + arguments + " 2>" + quoted(errorLog);
    return std::system(command.c_str());
}

fs::path freshTemporaryFolder(const std::string& purpose)
{
    const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
    const fs::path folder =
        fs::temp_directory_path() / ("tervolin_tables_" + purpose + "_" + std::to_string(ticks));
    fs::create_directories(folder);
    return folder;
}

// Regular files below folder, as paths relative to it; README.md is left out.
std::set<fs::path> dataFilesBelow(const fs::path& folder)
{
    std::set<fs::path> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        if (entry.is_regular_file() && entry.path().filename() != "README.md")
            files.insert(fs::relative(entry.path(), folder));
    return files;
}

class Regeneration : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        scratch = freshTemporaryFolder("regeneration");
        status = runTool(quoted(scratch / "out"), scratch / "stderr.txt");
    }
    static void TearDownTestSuite() { fs::remove_all(scratch); }

    static inline fs::path scratch;
    static inline int status = -1;
};

TEST_F(Regeneration, ToolSucceedsAndWritesTheSameSetOfFilesAsCommitted)
{
    ASSERT_EQ(status, 0) << readBytes(scratch / "stderr.txt");
    const std::set<fs::path> committed = dataFilesBelow(tablesDir());
    EXPECT_EQ(committed.size(), 16u); // Mus2018.dat, MuenAir.dat and two files per material
    EXPECT_EQ(dataFilesBelow(scratch / "out"), committed);
}

TEST_F(Regeneration, EveryCommittedFileIsByteIdenticalToTheRegeneratedOne)
{
    ASSERT_EQ(status, 0) << readBytes(scratch / "stderr.txt");
    for (const fs::path& file : dataFilesBelow(tablesDir())) {
        SCOPED_TRACE(quoted(file));
        const std::string committed = readBytes(tablesDir() / file);
        EXPECT_FALSE(committed.empty());
        EXPECT_TRUE(committed == readBytes(scratch / "out" / file))
            << "differs from the regenerated file: " << quoted(file);
    }
}

TEST(ToolFailures, ReportsAndFailsWhenItCannotWriteOrHasNoOutputFolder)
{
    const fs::path scratch = freshTemporaryFolder("failures");
    const fs::path log = scratch / "stderr.txt";

    EXPECT_NE(runTool("", log), 0) << "no output folder given";
    EXPECT_FALSE(readBytes(log).empty());

    const fs::path blocker = scratch / "not_a_folder";
    std::ofstream(blocker) << "a file where the output folder should be\n";
    EXPECT_NE(runTool(quoted(blocker), log), 0) << "output folder is a regular file";
    EXPECT_NE(readBytes(log).find("tervolin_tables"), std::string::npos);

    const fs::path occupied = scratch / "occupied";
    fs::create_directories(materialFile(u8"水", u8".xfs", occupied)); // a folder in the file's place
    EXPECT_NE(runTool(quoted(occupied), log), 0) << "a data file cannot be written";
    EXPECT_NE(readBytes(log).find("cannot write"), std::string::npos) << readBytes(log);

    fs::remove_all(scratch);
}

} // namespace
