#include "MainWindowTexts.h"

#include "ByteSizeText.h"
#include "CountedText.h"
#include "Errors.h"
#include "ProjectFile.h"
#include "SetsSummary.h"

namespace twinsweep {

FileTable::Row TableCaptions(const TStringTable& texts) {
    return {texts.GetKeyText("IDS_0"), texts.GetKeyText("IDS_1"), texts.GetKeyText("IDS_2"),
            texts.GetKeyText("IDS_3")};
}

std::string SizeBoundText(const TStringTable& texts) {
    return FormatMessage(
        texts.GetKeyText("IDS_56"),
        {LanguageLocale().toString(static_cast<qlonglong>(MaxSizeKB)).toStdString()});
}

void InProjectWords(const TStringTable& texts, const std::function<void()>& act) {
    try {
        act();
    } catch (const EProjectLineError& e) {
        throw Exception(FormatMessage(texts.GetKeyText("IDS_27"), {Excerpt(e.text)}));
    } catch (const ENotAProjectError& e) {
        throw Exception(FormatMessage(texts.GetKeyText("IDS_67"), {e.path}));
    }
}

std::string LeftOutNames(const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& name : names)
        text += (text.empty() ? "" : "\n") + OnOneLine(name);
    return text;
}

std::string ScanReport(const TStringTable& texts, const Session& session, bool completed) {
    const ResultLists& lists = session.Lists();
    const SetsSummary sets = SummarizeSets(lists, session.Protected());
    const std::string setsText = CountedText(texts, "IDS_36", "IDS_30", sets.count) + "\n" +
                                 CountedText(texts, "IDS_37", "IDS_38", sets.extraFiles,
                                             ByteSizeText(sets.freeableBytes).toStdString());
    if (!completed)
        return sets.count == 0 ? texts.GetKeyText("IDS_32")
                               : texts.GetKeyText("IDS_31") + "\n" + setsText;
    const size_t n = lists.LBB2.size();
    if (n == 0)
        return texts.GetKeyText("IDS_11");
    return CountedText(texts, "IDS_13", "IDS_15", n) + "\n" + setsText;
}

UnreachedReport UnreachedText(const TStringTable& texts, const Session& session) {
    UnreachedReport report;
    const auto add = [&](const std::vector<std::string>& paths, const char* one, const char* many) {
        if (paths.empty())
            return;
        const std::string line = CountedText(texts, one, many, paths.size());
        report.text += "\n" + line;
        report.details += (report.details.empty() ? "" : "\n") + line + "\n";
        for (const std::string& path : paths)
            report.details += path + "\n";
    };
    add(session.UnlistedFolders(), "IDS_90", "IDS_91");
    add(session.Scanned().unreadable, "IDS_88", "IDS_89");
    return report;
}

std::string SetsTotalText(const TStringTable& texts, const FilesTally& marked,
                          const std::vector<DuplicateSet>& sets) {
    return FormatMessage(texts.GetKeyText("IDS_45"),
                         {CountedText(texts, "IDS_57", "IDS_58", marked.files),
                          ByteSizeText(marked.bytes).toStdString(),
                          CountedText(texts, "IDS_59", "IDS_60", sets.size()),
                          ByteSizeText(FreeableBytes(sets)).toStdString()});
}

std::string MarkedTrashQuestion(const TStringTable& texts, const FilesTally& marked) {
    return CountedText(texts, "IDS_62", "IDS_53", marked.files,
                       ByteSizeText(marked.bytes).toStdString()) +
           ProtectedKeptText(texts, marked.protectedKept);
}

std::string MarkedReplaceQuestion(const TStringTable& texts, const FilesTally& marked,
                                  Replacement how) {
    const bool clone = how == Replacement::Clone;
    return CountedText(texts, clone ? "IDS_75" : "IDS_77", clone ? "IDS_76" : "IDS_78",
                       marked.files, ByteSizeText(marked.bytes).toStdString()) +
           ProtectedKeptText(texts, marked.protectedKept);
}

std::string ProtectedKeptText(const TStringTable& texts, size_t count) {
    return count == 0 ? std::string() : "\n" + CountedText(texts, "IDS_72", "IDS_73", count);
}

std::string ExportedText(const TStringTable& texts, const std::vector<DuplicateSet>& sets,
                         const std::string& file) {
    return FormatMessage(texts.GetKeyText("IDS_66"),
                         {CountedText(texts, "IDS_59", "IDS_60", sets.size()),
                          CountedText(texts, "IDS_57", "IDS_58", MemberCount(sets)), file});
}

} // namespace twinsweep
