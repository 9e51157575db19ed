#pragma once
// The common dialogs seam: open and save a file, choose a colour. The program installs one made
// of the system's dialogs; tests install a scripted one. Cancel is told apart by an empty result.

#include <QPageLayout>
#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <optional>

struct FileDialogRequest
{
    // A string-table filter: "description|pattern|description|pattern...".
    QString Filter;
    int FilterIndex = 2;      // 1-based, the preselected filter
    QString DefaultExtension; // "cal", "bmp": added to a typed name without extension
    QString InitialFolder;
    QString FileName; // preset name (the current path for Save As)
    bool OverwritePrompt = false;
    // The default extension follows the chosen filter ("*.csv" -> "csv") instead.
    bool ExtensionFollowsFilter = false;
};

// What the printer set-up chose: the printer and how it prints. Preview and print both follow it.
struct PrinterChoice
{
    QString Printer;    // a system printer's name; empty: the default one (a PDF file when none)
    QPageLayout Layout; // paper, orientation and margins; not valid: the printer's own
    QString OutputFile; // not empty: the pages go into this PDF file, asked for no more
};

class CommonDialogs
{
public:
    virtual ~CommonDialogs() = default;

    // The chosen full path; nothing on Cancel.
    virtual std::optional<QString> OpenFile(const FileDialogRequest& request) = 0;
    virtual std::optional<QString> SaveFile(const FileDialogRequest& request) = 0;
    // Colours are stored values (0x00BBGGRR); nothing on Cancel.
    virtual std::optional<qint32> ChooseColour(qint32 initial) = 0;
    // A folder, starting in start; nothing on Cancel. Unless overridden, always cancelled.
    virtual std::optional<QString> ChooseFolder(const QString& start);
    // The printer set-up, showing the current choice: what the user chose; nothing on Cancel.
    // Unless overridden, always cancelled.
    virtual std::optional<PrinterChoice> SetupPrinter(const PrinterChoice& current);

    static CommonDialogs& Current();
    static void Install(CommonDialogs* dialogs); // nullptr: every dialog is cancelled
};

// The folder buttons of the options: one place, so that the program's own folder chooser can
// replace the system's dialog.
std::optional<QString> ChooseFolder(const QString& start);

// A string-table filter in the form Qt's file dialogs take: one "description (patterns)" per
// pair, the patterns separated by blanks. "*.*" becomes "*" so that "Tous les fichiers" lists
// files without a dot too. A description that already ends with its patterns in parentheses
// keeps its own text.
QStringList FileDialogFilters(const QString& tableFilter);

// The chosen path with "." + extension added when the typed file name has no "." at all
// ("plan" -> "plan.cal"; "plan.old" and "plan.cal" stay). The extension may be given with or
// without its dot.
QString WithDefaultExtension(const QString& path, const QString& extension);
