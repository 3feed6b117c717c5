#include "LanguageTexts.h"

#include <iterator>

namespace twinsweep {

namespace {

struct LanguageData {
    const char* question;
    const char* title;
    const char* guidePage;
    const char* cannotOpen;
};

// Indexed by language number - 1: English, Portuguese (Brazil), French.
const LanguageData kLanguages[] = {
    {"Move the selected duplicates to the trash?\n"
     "You can restore them from the trash later.",
     "Move to trash", "guide/en.html", "Nothing on this computer opens “%s”.\n%s"},
    {"Mover os arquivos duplicados selecionados para a lixeira?\n"
     "Você poderá restaurá-los da lixeira depois.",
     "Mover para a lixeira", "guide/pt.html", "Nenhum programa deste computador abre “%s”.\n%s"},
    {"Mettre les doublons sélectionnés à la corbeille\u00a0?\n"
     "Vous pourrez les restaurer depuis la corbeille.",
     "Mettre à la corbeille", "guide/fr.html",
     "Aucun programme de cet ordinateur n’ouvre «\u00a0%s\u00a0».\n%s"},
};

const LanguageData* Find(int languageIndex) {
    if (languageIndex < 1 || languageIndex > static_cast<int>(std::size(kLanguages)))
        return nullptr;
    return &kLanguages[languageIndex - 1];
}

} // namespace

DeleteConfirmationText DeleteConfirmation(int languageIndex) {
    const LanguageData* data = Find(languageIndex);
    if (data == nullptr)
        data = &kLanguages[0];
    return {data->question, data->title};
}

std::string CannotOpenText(int languageIndex) {
    const LanguageData* data = Find(languageIndex);
    return (data == nullptr ? &kLanguages[0] : data)->cannotOpen;
}

std::string LanguageTargetName(int languageIndex) {
    const LanguageData* data = Find(languageIndex);
    return data == nullptr ? std::string() : data->guidePage;
}

std::string LanguageTarget(int languageIndex, const std::string& dataFolder) {
    std::string name = LanguageTargetName(languageIndex);
    return name.empty() ? name : dataFolder + name;
}

} // namespace twinsweep
