#include "record_file.h"

#include "xrl_call.h"

#include <cstdio>
#include <fstream>

namespace tables {

// Formats with the C library; make_tables sets the "C" locale at start-up so
// that the decimal point is "." on every system.
std::string formatRecord(const Record& record)
{
    std::string line;
    char number[32];
    for (const double value : record) {
        std::snprintf(number, sizeof number, "%.8E", value);
        line += line.empty() ? "" : ", ";
        line += number;
    }
    return line + '\n';
}

void writeRecords(const std::filesystem::path& path, const std::vector<Record>& records)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    for (const Record& record : records)
        out << formatRecord(record);
    out.close();
    if (!out)
        throw TableError("cannot write " + displayName(path));
}

std::string displayName(const std::filesystem::path& path)
{
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

} // namespace tables
