#include "LanguageTexts.h"

#include <iterator>

namespace twinsweep {

namespace {

struct LanguageData {
    bool zeroIsSingular;
    const char* questionOne;
    const char* questionMany;
    const char* title;
    const char* guidePage;
    const char* cannotOpen;
};

// Indexed by language number - 1: English, Portuguese (Brazil), French.
const LanguageData kLanguages[] = {
    {false,
     "Move %s selected duplicate (%s) to the trash?\n"
     "You can restore it from the trash later.",
     "Move the %s selected duplicates (%s) to the trash?\n"
     "You can restore them from the trash later.",
     "Move to trash", "guide/en.html", "Nothing on this computer opens “%s”.\n%s"},
    {true,
     "Mover %s arquivo duplicado selecionado (%s) para a lixeira?\n"
     "Você poderá restaurá-lo da lixeira depois.",
     "Mover os %s arquivos duplicados selecionados (%s) para a lixeira?\n"
     "Você poderá restaurá-los da lixeira depois.",
     "Mover para a lixeira", "guide/pt.html", "Nenhum programa deste computador abre “%s”.\n%s"},
    {true,
     "Mettre %s doublon sélectionné (%s) à la corbeille\u00a0?\n"
     "Vous pourrez le restaurer depuis la corbeille.",
     "Mettre les %s doublons sélectionnés (%s) à la corbeille\u00a0?\n"
     "Vous pourrez les restaurer depuis la corbeille.",
     "Mettre à la corbeille", "guide/fr.html",
     "Aucun programme de cet ordinateur n’ouvre «\u00a0%s\u00a0».\n%s"},
};

const LanguageData* Find(int languageIndex) {
    if (languageIndex < 1 || languageIndex > static_cast<int>(std::size(kLanguages)))
        return nullptr;
    return &kLanguages[languageIndex - 1];
}

const LanguageData& FindOrFirst(int languageIndex) {
    const LanguageData* data = Find(languageIndex);
    return data == nullptr ? kLanguages[0] : *data;
}

} // namespace

bool TakesSingular(int languageIndex, uint64_t count) {
    return count == 1 || (count == 0 && FindOrFirst(languageIndex).zeroIsSingular);
}

DeleteConfirmationText DeleteConfirmation(int languageIndex, uint64_t count) {
    const LanguageData& data = FindOrFirst(languageIndex);
    return {TakesSingular(languageIndex, count) ? data.questionOne : data.questionMany, data.title};
}

std::string CannotOpenText(int languageIndex) { return FindOrFirst(languageIndex).cannotOpen; }

std::string LanguageTargetName(int languageIndex) {
    const LanguageData* data = Find(languageIndex);
    return data == nullptr ? std::string() : data->guidePage;
}

std::string LanguageTarget(int languageIndex, const std::string& dataFolder) {
    std::string name = LanguageTargetName(languageIndex);
    return name.empty() ? name : dataFolder + name;
}

} // namespace twinsweep
