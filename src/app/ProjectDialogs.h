#pragma once
// The dialogs that choose a project file to save (SaveDialog1) or to open (OpenDialog1),
// and the file the sets are exported to (SaveDialog2).
// Tests replace the chooser to name the file themselves.
#include <functional>
#include <optional>
#include <string>

class QWidget;

namespace twinsweep {

class TStringTable;

// The extension of project files, given to a name typed without one.
inline constexpr const char* ProjectExtension = "twinsweep";

enum class ProjectDialog { Save, Open, Export };

// The chosen file's name as bytes, or nothing when the user cancelled. `texts` holds the
// filters' names ("IDS_28", "IDS_29"; "IDS_54", "IDS_55" for the export). A name typed
// without an extension gets that of the chosen filter.
using ProjectFileChooser = std::function<std::optional<std::string>(
    QWidget* parent, ProjectDialog dialog, const TStringTable& texts)>;

ProjectFileChooser& CurrentProjectFileChooser();

} // namespace twinsweep
