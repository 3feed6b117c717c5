#include "SetsExport.h"

#include <algorithm>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <optional>
#include <set>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include "Errors.h"
#include "Paths.h"
#include "ScannedTree.h"

using namespace twinsweep;

namespace {

// One exported record, read back.
struct Row {
    size_t set = 0;
    int64_t size = 0;
    std::string path;
    std::optional<std::string> modified;
    int64_t toFree = 0;
    bool isProtected = false;
    bool operator==(const Row&) const = default;
};

const char* const Columns[] = {"set", "size", "path", "modified", "set_space_to_free", "protected"};

// RFC 4180, each field with whether it was quoted.
using CsvRecord = std::vector<std::pair<std::string, bool>>;

std::vector<CsvRecord> ParseCsv(const std::string& text) {
    std::vector<CsvRecord> records(1);
    size_t i = 0;
    while (i < text.size()) {
        std::string field;
        const bool quoted = text[i] == '"';
        if (quoted) {
            for (++i; i < text.size() && (text[i] != '"' || text.compare(i, 2, "\"\"") == 0); ++i)
                field += text[i] == '"' ? text[i++] : text[i];
            EXPECT_LT(i++, text.size()) << "unterminated quote";
        } else {
            for (; i < text.size() && text[i] != ',' && text[i] != '\r'; ++i) {
                EXPECT_TRUE(text[i] != '"' && text[i] != '\n') << "bare quote or LF";
                field += text[i];
            }
        }
        records.back().emplace_back(field, quoted);
        if (i < text.size() && text[i] == ',') {
            ++i;
        } else {
            EXPECT_EQ(text.compare(i, 2, "\r\n"), 0) << "record not ended by CR LF at " << i;
            i += 2;
            if (i < text.size())
                records.emplace_back();
        }
    }
    return records;
}

std::vector<Row> CsvRows(const std::string& text) {
    const auto records = ParseCsv(text);
    std::vector<Row> rows;
    CsvRecord header;
    for (const char* column : Columns)
        header.emplace_back(column, false);
    EXPECT_EQ(records.at(0), header);
    for (size_t r = 1; r < records.size(); ++r) {
        const CsvRecord& f = records[r];
        EXPECT_EQ(f.size(), 6u);
        if (f.size() != 6)
            continue;
        EXPECT_TRUE(f[5].first == "true" || f[5].first == "false") << f[5].first;
        const std::string& path = f[2].first;
        const bool needsQuotes = path.find_first_of(",\"\r\n") != std::string::npos ||
                                 path.front() == ' ' || path.front() == '\t' ||
                                 path.back() == ' ' || path.back() == '\t';
        EXPECT_EQ(f[2].second, needsQuotes) << path;
        rows.push_back({std::stoul(f[0].first), std::stoll(f[1].first), path,
                        f[3].first.empty() ? std::nullopt : std::optional(f[3].first),
                        std::stoll(f[4].first), f[5].first == "true"});
    }
    return rows;
}

// Reads the export's JSON back, its keys in their order.
struct JsonCursor {
    const std::string& s;
    size_t i = 0;

    bool Take(std::string_view word) {
        while (i < s.size() && std::strchr(" \t\r\n", s[i]) && s[i])
            ++i;
        return s.compare(i, word.size(), word) == 0 && (i += word.size());
    }
    void Expect(std::string_view word) { EXPECT_TRUE(Take(word)) << word << " expected at " << i; }
    int64_t Number() {
        Take("");
        size_t used = 0;
        const int64_t n = std::stoll(s.substr(i, 24), &used);
        i += used;
        return n;
    }
    std::string String() {
        static const std::string_view escapes = "\"\\/bfnrt", escaped = "\"\\/\b\f\n\r\t";
        Expect("\"");
        std::string text;
        while (i < s.size() && s[i] != '"') {
            char c = s[i++];
            EXPECT_GE(static_cast<unsigned char>(c), 0x20) << "raw control character";
            if (c == '\\' && escapes.find(s.at(i)) != std::string_view::npos) {
                c = escaped[escapes.find(s[i++])];
            } else if (c == '\\') { // the export escapes nothing past U+007F this way
                EXPECT_EQ(s[i], 'u');
                c = static_cast<char>(std::stoul(s.substr(i + 1, 4), nullptr, 16));
                i += 5;
            }
            text += c;
        }
        Expect("\"");
        return text;
    }
};

std::vector<Row> JsonRows(const std::string& text, const std::set<std::string>& utf8Paths) {
    JsonCursor in{text};
    std::vector<Row> rows;
    in.Expect("[");
    for (bool more = !in.Take("]"); more; more = in.Take(",")) {
        Row& row = rows.emplace_back();
        in.Expect("{\"set\":");
        row.set = static_cast<size_t>(in.Number());
        in.Expect(",\"size\":");
        row.size = in.Number();
        in.Expect(",\"path\":");
        const bool bytes = in.Take("[");
        if (bytes) {
            do {
                const int64_t value = in.Number();
                EXPECT_TRUE(value >= 0 && value <= 255) << value;
                row.path += static_cast<char>(value);
            } while (in.Take(","));
            in.Expect("]");
        } else
            row.path = in.String();
        EXPECT_EQ(!bytes, utf8Paths.count(row.path) > 0) << row.path;
        in.Expect(",\"modified\":");
        if (!in.Take("null"))
            row.modified = in.String();
        in.Expect(",\"set_space_to_free\":");
        row.toFree = in.Number();
        in.Expect(",\"protected\":");
        row.isProtected = in.Take("true");
        if (!row.isProtected)
            in.Expect("false");
        in.Expect("}");
    }
    if (!rows.empty())
        in.Expect("]");
    in.Take("");
    EXPECT_EQ(in.i, text.size()) << "text after the array";
    return rows;
}

// Pieces of names.
const std::vector<std::string> Utf8Pieces = {"a", ",",    "\"",   "\r", "\n", " ",  "\t",
                                             "=", "+",    "-",    "@",  ";",  "\\", "*",
                                             "?", "\x01", "\x7f", "é",  "€",  "😀"};
// Overlong forms, a surrogate, past U+10FFFF, a byte never used, a cut sequence.
const std::vector<std::string> NotUtf8Pieces = {
    "\xc0\xaf",         "\xe0\x80\xaf", "\xf0\x80\x80\xaf", "\xed\xa0\x80",
    "\xf4\x90\x80\x80", "\xff",         "\xe2\x82"};

// Names of commas, quotes, line breaks, blanks, formula starts and bytes that are no UTF-8.
struct TrickyNames {
    std::set<std::string> invalid; // the names that are not UTF-8

    std::string operator()(std::mt19937& random, int f) {
        std::string name = (f % 4 == 0 ? "=" : "") + std::to_string(f);
        bool valid = true;
        for (size_t n = random() % 4; n > 0; --n) {
            const size_t piece = random() % (Utf8Pieces.size() + NotUtf8Pieces.size());
            const bool utf8 = piece < Utf8Pieces.size();
            name += utf8 ? Utf8Pieces[piece] : NotUtf8Pieces[piece - Utf8Pieces.size()];
            valid = valid && utf8;
        }
        name += random() % 3 == 0 ? " " : "";
        if (!valid)
            invalid.insert(name);
        return name;
    }
};

std::string UtcSecond(time_t second) {
    std::tm parts{};
    ::gmtime_r(&second, &parts);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &parts);
    return text;
}

} // namespace

TEST(SetsExport, BothFormatsReadBackAsTheSetsOfIdenticalFiles) {
    std::mt19937 random(17);
    for (int round = 0; round < 20; ++round) {
        TrickyNames names;
        ScannedTree tree(random, std::ref(names));
        // Times before 1970, with fractions of a second, are rounded down.
        std::map<std::string, std::string> modified;
        std::uniform_int_distribution<time_t> seconds(-2'000'000'000, 4'000'000'000);
        for (const std::string& path : tree.paths) {
            const timespec times[2] = {
                {0, UTIME_OMIT}, {seconds(random), static_cast<long>(random() % 1'000'000'000)}};
            ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
            modified[path] = UtcSecond(times[1].tv_sec);
        }
        std::vector<std::string> existing = tree.paths;
        if (round % 3 == 0 && !tree.lists.LBB1.empty()) { // a listed file that went since
            const std::string gone(tree.lists.LBB1[0]);
            ::unlink(gone.c_str());
            existing.erase(std::find(existing.begin(), existing.end(), gone));
        }
        // Every other round protects the folder of the first listed file.
        const std::string protectedFolder = round % 2 == 0 || tree.lists.LBB1.empty()
                                                ? std::string()
                                                : ExtractFilePath(std::string(tree.lists.LBB1[0]));
        const auto sets = SetsOf(tree.lists, StatFacts,
                                 ProtectedFolders({{protectedFolder, FolderRole::Protected}}));
        ExportSets(tree.dir.path("sets.csv"), sets, *tree.lists.paths);
        ExportSets(tree.dir.path("sets.json"), sets, *tree.lists.paths);
        std::set<std::string> utf8Paths;
        for (const std::string& path : tree.paths)
            if (!names.invalid.count(path.substr(path.rfind('/') + 1)))
                utf8Paths.insert(path);

        const std::vector<Row> rows = CsvRows(tree.dir.read("sets.csv"));
        EXPECT_EQ(JsonRows(tree.dir.read("sets.json"), utf8Paths), rows);
        std::map<std::string, size_t> setOf;
        int64_t toFree = 0, membersButOne = 0;
        size_t r = 0;
        for (size_t s = 0; s < sets.size(); ++s) {
            ASSERT_LT(r, rows.size());
            const Row& first = rows[r];
            int64_t present = 0, presentProtected = 0;
            for (const SetMember& member : sets[s].members) {
                ASSERT_LT(r, rows.size());
                const Row& row = rows[r++];
                EXPECT_EQ(row.set, s + 1);
                EXPECT_EQ(row.path, (*tree.lists.paths)[member.path]);
                EXPECT_TRUE(setOf.emplace(row.path, row.set).second) << "listed twice";
                EXPECT_EQ(row.size, first.size);
                EXPECT_EQ(row.toFree, first.toFree);
                EXPECT_EQ(row.isProtected,
                          !protectedFolder.empty() && row.path.starts_with(protectedFolder));
                const bool exists = std::count(existing.begin(), existing.end(), row.path) > 0;
                EXPECT_EQ(row.modified, exists ? std::optional(modified[row.path]) : std::nullopt);
                if (exists) {
                    EXPECT_EQ(row.size, static_cast<int64_t>(std::filesystem::file_size(row.path)));
                    ++present;
                    presentProtected += row.isProtected ? 1 : 0;
                }
            }
            toFree += first.toFree;
            membersButOne +=
                std::max<int64_t>(present - std::max<int64_t>(presentProtected, 1), 0) * first.size;
        }
        EXPECT_EQ(r, rows.size());
        ScannedTree::ExpectClassesOfIdenticalFiles(setOf, existing);
        EXPECT_EQ(toFree, membersButOne);
    }
}

TEST(SetsExport, OtherNamesAndUnwritableFoldersAreRefusedAndTheOldFileStays) {
    TestFolder dir;
    PathStore paths;
    const std::vector<DuplicateSet> sets = {
        {4,
         {{paths.Intern("/a"), {true, {1, 1}, 4, 0}}, {paths.Intern("/b"), {true, {1, 2}, 4, 0}}},
         4}};
    const auto refused = [&](const std::string& file) {
        try {
            ExportSets(file, sets, paths);
        } catch (const EFCreateError& e) {
            EXPECT_NE(std::string(e.what()).find(file), std::string::npos) << e.what();
            return true;
        }
        return false;
    };
    ExportSets(dir.path("upper.CSV"), sets, paths);
    ExportSets(dir.path("upper.Json"), sets, paths);
    EXPECT_TRUE(refused(dir.path("sets.txt")));
    EXPECT_TRUE(refused(dir.path("csv")));
    EXPECT_TRUE(refused(dir.path("none/sets.csv")));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 2);

    // Root writes anywhere but on a file system mounted read-only.
    const std::string locked = dir.path("locked");
    ::mkdir(locked.c_str(), 0700);
    const bool root = ::geteuid() == 0;
    if (root && ::mount("tmpfs", locked.c_str(), "tmpfs", 0, "size=64k") != 0)
        GTEST_SKIP() << "no tmpfs to mount read-only";
    dir.write("locked/sets.json", "old");
    EXPECT_EQ(root ? ::mount(nullptr, locked.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr)
                   : ::chmod(locked.c_str(), 0500),
              0);
    EXPECT_TRUE(refused(dir.path("locked/sets.json")));
    EXPECT_EQ(dir.read("locked/sets.json"), "old");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(locked), {}), 1);
    EXPECT_EQ(root ? ::umount(locked.c_str()) : ::chmod(locked.c_str(), 0700), 0);
}

TEST(SetsExport, WritesPathsAsTheyAreQuotedWhereNeeded) {
    PathStore paths;
    // 1969-12-31T23:59:58.5Z, and a relative path a spreadsheet would take as a formula.
    const std::vector<DuplicateSet> sets = {
        {2,
         {{paths.Intern(" =1+1,\"x\""), {true, {1, 1}, 2, -1'500'000'000}},
          {paths.Intern("@b\t"), {}}},
         0}};
    EXPECT_EQ(SetsCsv(sets, paths), "set,size,path,modified,set_space_to_free,protected\r\n"
                                    "1,2,\" =1+1,\"\"x\"\"\",1969-12-31T23:59:58Z,0,false\r\n"
                                    "1,2,\"@b\t\",,0,false\r\n");
    EXPECT_EQ(SetsJson({}, paths), "[\n]\n");
}
