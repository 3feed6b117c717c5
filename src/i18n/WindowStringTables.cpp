#include "WindowStringTables.h"

#include <algorithm>
#include <string_view>

#include "EmbeddedLangFiles.h"
#include "Errors.h"
#include "StringTableFile.h"

namespace twinsweep {

TStringTable LoadWindowStringTable(const std::string& windowName) {
    for (std::size_t i = 0; i < embedded::kLangFileCount; ++i) {
        const embedded::LangFile& file = embedded::kLangFiles[i];
        if (windowName == file.name) {
            std::string_view text(reinterpret_cast<const char*>(file.data), file.size);
            return ParseStringTable(text, windowName + ".lang");
        }
    }
    throw Exception("There is no string table for the window " + windowName);
}

std::vector<std::string> WindowStringTableNames() {
    std::vector<std::string> names;
    for (std::size_t i = 0; i < embedded::kLangFileCount; ++i)
        names.emplace_back(embedded::kLangFiles[i].name);
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace twinsweep
