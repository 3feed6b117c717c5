#pragma once
// Random project states for the project tests.
#include <random>

#include "ProjectFile.h"

namespace twinsweep {

inline std::string RandomName(std::mt19937& random) {
    static const std::string pieces[] = {"a b", "-x", "\t", "caf\xe9", "\xff\xfe", "~",
                                         "'",   "%s", ";",  "*?",      "z"};
    std::string name;
    for (int n = 1 + static_cast<int>(random() % 3); n > 0; --n)
        name += pieces[random() % std::size(pieces)];
    return name;
}

inline Project RandomProject(std::mt19937& random) {
    Project p;
    SearchChoices& c = p.choices;
    c.subfolders = random() % 2;
    c.extensionOnly = random() % 2;
    c.extension = RandomName(random);
    c.dateRange = static_cast<DateRange>(static_cast<int>(random() % 4) - 1);
    for (DateTimeChoice* bound : {&c.after, &c.before}) {
        bound->dateOn = random() % 2;
        bound->timeOn = random() % 2;
        bound->date =
            EncodeDate(1990 + static_cast<int>(random() % 40), 1 + static_cast<int>(random() % 12),
                       1 + static_cast<int>(random() % 28));
        bound->time = EncodeTime(static_cast<int>(random() % 24), static_cast<int>(random() % 60),
                                 static_cast<int>(random() % 60), 0);
    }
    c.archive = random() % 2;
    c.readonly = random() % 2;
    c.hidden = random() % 2;
    c.system = random() % 2;
    c.sizeMinKB = random() % 100;
    c.sizeMaxKB = random() % (MaxSizeKB + 1);
    if (random() % 3 == 0) { // more folders, protected ones, exclusions
        c.folder = "/f/" + RandomName(random);
        c.folderRole = random() % 2 ? FolderRole::Protected : FolderRole::Searched;
        for (int n = static_cast<int>(random() % 3); n > 0; --n)
            c.moreFolders.push_back({"/m/" + RandomName(random),
                                     random() % 2 ? FolderRole::Protected : FolderRole::Searched});
        for (int n = static_cast<int>(random() % 3); n > 0; --n)
            c.exclusions.push_back(RandomName(random));
    }
    const int groups = static_cast<int>(random() % 4);
    for (int g = 0; g < groups; ++g) {
        p.lists.LBB1.push_back("/r/" + RandomName(random));
        for (int m = 1 + static_cast<int>(random() % 3); m > 0; --m) {
            p.lists.LBB2.push_back("/d/" + RandomName(random));
            p.lists.LL1.push_back(std::to_string(g));
        }
    }
    for (int n = static_cast<int>(random() % 3); n > 0; --n)
        p.lists.LL2.push_back(RandomName(random));
    p.table.Reset({"Name", "Folder", "Size", "Date"});
    for (int n = static_cast<int>(random() % 4); n > 0; --n) // as a cancelled scan leaves it
        p.table.Append("/f/" + RandomName(random), RandomName(random), random() % 5000,
                       "1/2/2003 04:05:06");
    for (int& width : p.widths)
        width = static_cast<int>(random() % 400);
    return p;
}

inline TextLines LinesOf(const Project& p, const TFormatSettings& formats = {}) {
    return ProjectLines(p.choices, p.lists, p.table, p.widths, formats);
}

} // namespace twinsweep
