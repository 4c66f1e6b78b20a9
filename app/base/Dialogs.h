#pragma once
// Every dialog the program shows goes through this interface, so that a silent
// run shows none and tests answer them from a script without ever blocking.

#include "base/ReportFlags.h"

#include <optional>
#include <string>
#include <string_view>

namespace tavrel::shell {

enum class Icon { None, Information, Exclamation, Critical };
// The last two name their buttons by what they do: Save / Don't Save / Cancel
// and Overwrite / Save As / Cancel answer Yes / No / Cancel.
enum class Buttons { Ok, YesNo, YesNoCancel, SaveDontSaveCancel, OverwriteSaveAsCancel };
enum class Answer { Ok, Yes, No, Cancel };

struct FileDialogOptions {
    std::string title;  // "Open" or "Save As"
    std::string initialFolder;
    std::string fileName;
    std::string defaultSuffix = "amt";
    // The file types offered ("PDF files (*.pdf)"); empty: scenario files.
    std::string filter = {};
};

// What the print dialog settles: the printer (or a PDF file) and the copies.
struct PrintSetup {
    int copies = 1;
    std::string printerName;  // empty: the default printer
    std::string pdfFile;      // not empty: print to this PDF file instead
};

struct FontChoice {
    std::string name;
    float size = 10;
};

class DialogService {
public:
    virtual ~DialogService() = default;
    virtual Answer message(std::string_view title, std::string_view text, Icon icon, Buttons buttons) = 0;
    // The chosen file, or nothing when cancelled; `folder` receives the folder it was in.
    virtual std::optional<std::string> openFileName(const FileDialogOptions& options, std::string& folder) = 0;
    virtual std::optional<std::string> saveFileName(const FileDialogOptions& options, std::string& folder) = 0;
    // The reports to run, or nothing when cancelled.
    virtual std::optional<ReportFlags> chooseReports(std::string_view caption, const ReportFlags& current) = 0;
    // The print dialog ("Print Reports"): printer and copies, or nothing when cancelled.
    virtual std::optional<PrintSetup> printSetup(const PrintSetup& current) = 0;
    virtual std::optional<FontChoice> chooseFont(const FontChoice& current) = 0;
    // An error as a person reads it: one plain sentence, with the error's number
    // and the places it passed through behind a Details button.
    virtual void error(std::string_view title, std::string_view sentence, std::string_view details) {
        message(title, std::string(sentence) + "\n\n" + std::string(details), Icon::Exclamation, Buttons::Ok);
    }
    // The non-fatal warning with its "Don't show this message again" box; true when checked.
    virtual bool errorWarning(std::string_view text) = 0;

    // The start-up windows of the interactive program, shown modally.
    // The update alert with its message.
    virtual void updateAlert(std::string_view) {}
    // The About box.
    virtual void about() {}
    // The start-up chooser: 0 main window, 1 new scenario, 2 open a scenario.
    virtual int startupChoice() { return 0; }
};

}  // namespace tavrel::shell
