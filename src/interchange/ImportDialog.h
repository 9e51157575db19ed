#pragma once
// The dialog of "Importer...": a calendar file chosen with "Parcourir..." (or its path typed), or
// the address of a published calendar typed in the box and downloaded there, with a progress
// bar and Cancel. It reads nothing into the document: once accepted, the caller imports the file
// or the downloaded bytes.

#include "interchange/CalendarDownload.h"
#include "platform/CommonDialogs.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

class ImportDialog : public QDialog
{
    Q_OBJECT
public:
    // browse: the file dialog "Parcourir..." opens.
    explicit ImportDialog(const FileDialogRequest& browse, QWidget* parent = nullptr);

    // Once accepted: the file to import, or the address and what it sent.
    QString File() const { return m_file; }
    QUrl Address() const { return m_address; }
    QByteArray Downloaded() const { return m_downloaded; }

private:
    void Browse();
    void Import();
    void DownloadFinished(bool ok, const QByteArray& bytes, const QString& error);
    void SetDownloading(bool downloading);
    CalendarDownload& Download();

    FileDialogRequest m_browse;
    QLineEdit* m_box;
    QPushButton* m_browseButton;
    QPushButton* m_importButton;
    QProgressBar* m_bar;
    QLabel* m_status;
    std::unique_ptr<CalendarDownload> m_download;
    QString m_file;
    QUrl m_address;
    QByteArray m_downloaded;
};
