#include "SetsExport.h"

#include <chrono>
#include <cstdio>
#include <functional>
#include <optional>

#include "Errors.h"
#include "TextLines.h"

namespace twinsweep {

namespace {

struct Record {
    size_t set; // from 1
    int64_t size;
    std::string_view path;
    std::optional<int64_t> modified; // nanoseconds since 1970-01-01 UTC
    int64_t toFree;
    bool isProtected;
};

void ForEachRecord(const std::vector<DuplicateSet>& sets, const PathStore& paths,
                   const std::function<void(const Record&)>& put) {
    for (size_t s = 0; s < sets.size(); ++s)
        for (const SetMember& member : sets[s].members)
            put({s + 1, sets[s].size, paths[member.path],
                 member.facts.exists ? std::optional(member.facts.modified) : std::nullopt,
                 sets[s].freeable, member.isProtected});
}

// ISO 8601 in UTC, to the second rounded down (also before 1970).
std::string UtcText(int64_t modified) {
    using namespace std::chrono;
    const auto second = floor<seconds>(sys_time<nanoseconds>(nanoseconds(modified)));
    const auto day = floor<days>(second);
    const year_month_day date(day);
    const hh_mm_ss time(second - day);
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02u-%02uT%02d:%02d:%02dZ", int(date.year()),
                  unsigned(date.month()), unsigned(date.day()), int(time.hours().count()),
                  int(time.minutes().count()), int(time.seconds().count()));
    return text;
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

void AppendCsvField(std::string& out, std::string_view field) {
    const bool quoted = field.find_first_of(",\"\r\n") != std::string_view::npos ||
                        (!field.empty() && (IsBlank(field.front()) || IsBlank(field.back())));
    if (!quoted) {
        out += field;
        return;
    }
    out += '"';
    for (char c : field) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
}

// Well-formed UTF-8 (RFC 3629): no overlong forms, surrogates or values past U+10FFFF.
bool IsUtf8(std::string_view text) {
    for (size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        size_t more = 0;
        unsigned char low = 0x80, high = 0xBF; // the bounds of the second byte
        if (lead < 0x80)
            more = 0;
        else if (lead >= 0xC2 && lead <= 0xDF)
            more = 1;
        else if (lead >= 0xE0 && lead <= 0xEF) {
            more = 2;
            low = lead == 0xE0 ? 0xA0 : 0x80;
            high = lead == 0xED ? 0x9F : 0xBF;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            more = 3;
            low = lead == 0xF0 ? 0x90 : 0x80;
            high = lead == 0xF4 ? 0x8F : 0xBF;
        } else
            return false;
        if (text.size() - i - 1 < more)
            return false;
        for (size_t k = 1; k <= more; ++k) {
            const auto c = static_cast<unsigned char>(text[i + k]);
            if (c < (k == 1 ? low : 0x80) || c > (k == 1 ? high : 0xBF))
                return false;
        }
        i += more + 1;
    }
    return true;
}

void AppendJsonString(std::string& out, std::string_view text) {
    out += '"';
    const std::string_view special = "\"\\\b\f\n\r\t", letters = "\"\\bfnrt";
    for (char c : text) {
        const size_t at = special.find(c);
        if (at != std::string_view::npos) {
            out += '\\';
            out += letters[at];
        } else if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", unsigned(c));
            out += escape;
        } else
            out += c;
    }
    out += '"';
}

void AppendJsonPath(std::string& out, std::string_view path) {
    if (IsUtf8(path)) {
        AppendJsonString(out, path);
        return;
    }
    out += '[';
    for (size_t i = 0; i < path.size(); ++i) {
        if (i > 0)
            out += ',';
        out += std::to_string(static_cast<unsigned char>(path[i]));
    }
    out += ']';
}

bool EndsWithNoCase(const std::string& text, std::string_view end) {
    if (text.size() < end.size())
        return false;
    for (size_t i = 0; i < end.size(); ++i) {
        const char c = text[text.size() - end.size() + i];
        if ((c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c) != end[i])
            return false;
    }
    return true;
}

} // namespace

std::string SetsCsv(const std::vector<DuplicateSet>& sets, const PathStore& paths) {
    std::string out = "set,size,path,modified,set_space_to_free,protected\r\n";
    ForEachRecord(sets, paths, [&out](const Record& r) {
        out += std::to_string(r.set) + ',' + std::to_string(r.size) + ',';
        AppendCsvField(out, r.path);
        out += ',';
        if (r.modified)
            out += UtcText(*r.modified);
        out += ',' + std::to_string(r.toFree) + (r.isProtected ? ",true\r\n" : ",false\r\n");
    });
    return out;
}

namespace {

// The records as JSON objects, `between` after each but the last.
std::string JsonRecords(const std::vector<DuplicateSet>& sets, const PathStore& paths,
                        const char* between) {
    std::string out;
    ForEachRecord(sets, paths, [&](const Record& r) {
        if (!out.empty())
            out += between;
        out += "{\"set\":" + std::to_string(r.set) + ",\"size\":" + std::to_string(r.size) +
               ",\"path\":";
        AppendJsonPath(out, r.path);
        out += ",\"modified\":";
        out += r.modified ? '"' + UtcText(*r.modified) + '"' : "null";
        out += ",\"set_space_to_free\":" + std::to_string(r.toFree) +
               (r.isProtected ? ",\"protected\":true}" : ",\"protected\":false}");
    });
    return out;
}

} // namespace

std::string SetsJson(const std::vector<DuplicateSet>& sets, const PathStore& paths) {
    const std::string records = JsonRecords(sets, paths, ",\n");
    return records.empty() ? "[\n]\n" : "[\n" + records + "\n]\n";
}

std::string SetsJsonLines(const std::vector<DuplicateSet>& sets, const PathStore& paths) {
    const std::string records = JsonRecords(sets, paths, "\n");
    return records.empty() ? records : records + "\n";
}

void ExportSets(const std::string& file, const std::vector<DuplicateSet>& sets,
                const PathStore& paths) {
    if (EndsWithNoCase(file, ".csv"))
        ReplaceFileText(file, SetsCsv(sets, paths));
    else if (EndsWithNoCase(file, ".json"))
        ReplaceFileText(file, SetsJson(sets, paths));
    else
        throw EFCreateError(FormatMessage("Cannot create file \"%s\". %s",
                                          {file, "Export files end in .csv or .json"}));
}

} // namespace twinsweep
