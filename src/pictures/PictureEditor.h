#pragma once
// The picture editor: resizes a picture, lightens or darkens it, goes back to the picture it
// was opened with, opens another file, saves the result as a bitmap or prints it through the
// print preview. Modal; only OK hands the edited picture back.

#include "document/CalendarDocument.h"

#include <QDialog>
#include <QImage>
#include <QString>
#include <functional>

class PictureView;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSlider;

// What EditPicture hands back: after OK (Result 1) the edited picture and its path, otherwise
// the ones it was given.
struct EditedPicture
{
    qint32 Result = 0;
    QString Path;
    QImage Picture;
};

EditedPicture EditPicture(const QImage& picture, const QString& path, QWidget* parent = nullptr);

class PictureEditor : public QDialog
{
    Q_OBJECT
public:
    PictureEditor(const QImage& picture, const QString& path, QWidget* parent = nullptr);

    // Set by the program's wiring; until both are set, and while no printer is installed, the
    // print button stays disabled. PrintPicture opens the print preview on a picture request.
    static inline std::function<bool()> PrinterInstalled;
    static inline std::function<void(const BackgroundSettings& request)> PrintPicture;

    // The picture as it is being edited (the view's).
    const QImage& Current() const;
    // The result once closed: 1 after OK; then Picture() and Path() are the edited ones.
    qint32 Result() const { return m_result; }
    const QImage& Picture() const { return m_picture; }
    const QString& Path() const { return m_path; }
    PictureView* View() const { return m_view; }

protected:
    void done(int result) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* BuildSizeFrame();
    QWidget* BuildBrightnessFrame();
    QWidget* BuildCommandsFrame();
    QPushButton* AddButton(int text, const QString& name, void (PictureEditor::*action)());
    QLineEdit* AddSizeBox(const QString& boxName, const QString& upDownName, class QGridLayout* grid, int row,
                          int caption);

    void ResetPicture();
    void OnSizeEdited(QLineEdit* box);
    void StepSize(QLineEdit* box, int by);
    void FitCalendar();
    void ApplySize();
    void ApplyBrightness();
    void OpenPicture();
    void SavePicture();
    void PrintCurrent();
    void SetBusy(bool busy);
    bool CanPrint() const;

    PictureView* m_view = nullptr;
    QLineEdit* m_height = nullptr;
    QLineEdit* m_width = nullptr;
    QSlider* m_brightness = nullptr;
    QPushButton* m_print = nullptr;
    QProgressBar* m_progress = nullptr;
    QList<QWidget*> m_controls; // disabled while a command works

    QImage m_picture; // the editor picture: given on opening, or the one last opened
    QString m_path;
    qint32 m_result = 0;
    bool m_busy = false;
};
