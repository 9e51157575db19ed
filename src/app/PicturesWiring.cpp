#include "app/PicturesWiring.h"

#include "entries/DayEntries.h"
#include "pictures/ChoosePicture.h"
#include "pictures/PictureEditor.h"
#include "printing/PrintPreview.h"
#include "properties/ApplyProperties.h"
#include "views/MainWindow.h"

#include <QApplication>
#include <QPointer>

void ShowEntryPicture(QWidget* parent, int month, int cell, int line)
{
    const DayCell* day = DayOf(month, cell);
    if (!day || line < 0 || line >= day->Entries.size()) return;
    const EditedPicture edited =
        EditPicture(day->Entries[line].Picture, day->Entries[line].PicturePath, parent);
    day = DayOf(month, cell);
    if (edited.Result != 1 || !day || line >= day->Entries.size()) return;
    DayEntry entry = day->Entries[line];
    if (entry.PicturePath == edited.Path && entry.Picture == edited.Picture) return; // nothing changed
    entry.PicturePath = edited.Path;
    entry.Picture = edited.Picture;
    ReplaceEntry(month, cell, line, entry);
}

void WirePictureEditor(MainWindow& main)
{
    const QPointer<MainWindow> window(&main);
    ConnectPictureChooser(&ChoosePicture);
    PropertiesHooks::Get().EditPicture = [window](const QImage& picture,
                                                  const QString& path) -> std::optional<QImage> {
        const EditedPicture edited = EditPicture(picture, path);
        if (edited.Result != 1) return std::nullopt;
        return edited.Picture;
    };
    PictureEditor::PrinterInstalled = [window] { return window && window->PrinterInstalled(); };
    PictureEditor::PrintPicture = [](const BackgroundSettings& request) {
        OpenPreview(request, QApplication::activeModalWidget());
    };
    QObject::connect(&main, &QObject::destroyed, [] {
        ConnectPictureChooser(nullptr);
        PictureEditor::PrinterInstalled = nullptr;
        PictureEditor::PrintPicture = nullptr;
    });
}
