// The picture editor's commands: resize, brightness, open, save, print, and closing.

#include "calfile/CalFile.h"
#include "dialogkit/PictureChoice.h"
#include "document/NumberText.h"
#include "pictures/PictureEditor.h"
#include "pictures/PictureView.h"
#include "pictures/PictureWork.h"
#include "platform/CommonDialogs.h"
#include "platform/Prompter.h"
#include "resources/Strings.h"
#include "settings/Settings.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>

namespace {

const QString kTitle = QStringLiteral("Daybinder");

void ShowSizeRefused(const QSize& size)
{
    ShowMessage(
        kTitle,
        QStringLiteral("Une image de %1 x %2 pixels ne peut pas être créée : chaque côté doit compter au "
                       "moins 1 pixel, et l'image pas plus de %3 millions de pixels.")
            .arg(size.width())
            .arg(size.height())
            .arg(kMaxEditedPixels / 1000000),
        PromptIcon::Exclamation);
}

} // namespace

void PictureEditor::ApplySize()
{
    const QSize size(int(ReadNumber(m_width->text())), int(ReadNumber(m_height->text())));
    if (!StretchSizeAllowed(size)) {
        ShowSizeRefused(size);
        return;
    }
    QImage stretched;
    {
        SetBusy(true);
        BusyCursor busy;
        m_progress->setRange(0, 0); // no steps to count: the bar only moves
        m_progress->show();
        LetInterfaceRepaint();
        stretched = StretchPicture(Current(), size);
        if (!stretched.isNull()) m_view->ShowPicture(stretched);
        m_progress->hide();
        SetBusy(false);
    }
    // Not enough memory for it: the picture stays as it was.
    if (stretched.isNull() && !Current().isNull()) ShowSizeRefused(size);
}

void PictureEditor::ApplyBrightness()
{
    const int amount = m_brightness->value();
    if (amount != 0) {
        SetBusy(true);
        BusyCursor busy;
        PictureSurface* surface = m_view->Surface();
        m_progress->setRange(0, std::max(1, surface->Image().height()));
        m_progress->setValue(0);
        m_progress->show();
        // The rows already changed show as the work goes on.
        AdjustBrightness(amount, surface->Image(), [this, surface](int rowsDone, int) {
            m_progress->setValue(rowsDone);
            surface->update();
            LetInterfaceRepaint();
        });
        surface->update();
        m_progress->hide();
        SetBusy(false);
    }
    m_brightness->setValue(0);
}

void PictureEditor::OpenPicture()
{
    SetBusy(true);
    const PictureChoice choice = AskForPicture(m_path);
    if (choice.Result == 1) {
        QImage picture;
        if (LoadPictureFile(choice.Path, picture)) {
            m_path = choice.Path;
            m_picture = picture;
            ResetPicture();
        } else {
            ShowMessage(kTitle, Str(10049), PromptIcon::Stop);
        }
    }
    SetBusy(false);
}

void PictureEditor::SavePicture()
{
    QString& folder = Settings::Get().ImgSave;
    FileDialogRequest r;
    r.Filter = Str(10052);
    r.FilterIndex = 2;
    r.DefaultExtension = QStringLiteral("bmp");
    r.InitialFolder = FolderWithoutMark(folder);
    r.OverwritePrompt = true;
    const std::optional<QString> chosen = CommonDialogs::Current().SaveFile(r);
    if (!chosen || chosen->isEmpty()) return;
    RememberFolder(folder, *chosen);
    BusyCursor busy;
    SavePictureAsBitmap(Current(), *chosen); // a failure leaves any old file intact, silently
}

void PictureEditor::PrintCurrent()
{
    if (!CanPrint()) return;
    BackgroundSettings request;
    request.Mode = 0;
    // The path only names the page; an empty one would ask for the calendar instead.
    request.PicturePath = m_path.isEmpty() ? Str(540) : m_path;
    request.Picture = Current();
    PrintPicture(request);
}

void PictureEditor::done(int result)
{
    if (m_busy) return; // a command is at work; it ends first
    m_result = result == QDialog::Accepted ? 1 : 0;
    if (m_result == 1) m_picture = Current();
    QDialog::done(result);
}

void PictureEditor::closeEvent(QCloseEvent* event)
{
    if (m_busy) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}
