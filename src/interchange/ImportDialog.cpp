#include "interchange/ImportDialog.h"

#include "interchange/IcsEvents.h"
#include "interchange/InterchangeFiles.h"
#include "platform/Prompter.h"
#include "resources/Strings.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString kTitle = QStringLiteral("Daybinder");

QPushButton* Button(const char* name, int text)
{
    auto* b = new QPushButton(Str(text));
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    return b;
}

} // namespace

ImportDialog::ImportDialog(const FileDialogRequest& browse, QWidget* parent)
    : QDialog(parent), m_browse(browse), m_box(new QLineEdit), m_browseButton(Button("CmdBrowse", 27028)),
      m_importButton(Button("CmdImport", 27029)), m_bar(new QProgressBar), m_status(new QLabel)
{
    setObjectName(QStringLiteral("FrmImport"));
    setWindowTitle(DialogCaption(27026));

    auto* label = new QLabel(Str(27027));
    label->setBuddy(m_box);
    m_box->setObjectName(QStringLiteral("TxtAddress"));
    m_bar->setObjectName(QStringLiteral("BarDownload"));
    m_bar->setVisible(false);
    m_status->setObjectName(QStringLiteral("LblStatus"));
    m_status->setWordWrap(true);
    m_importButton->setDefault(true); // Enter in the box imports
    m_importButton->setEnabled(false);
    auto* cancel = Button("CmdCancel", 503);

    auto* source = new QHBoxLayout;
    source->addWidget(m_box, 1);
    source->addWidget(m_browseButton);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_importButton);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addLayout(source);
    layout->addWidget(m_status);
    layout->addWidget(m_bar);
    layout->addStretch();
    layout->addLayout(buttons);
    resize(520, 170);

    connect(m_box, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_importButton->setEnabled(!text.trimmed().isEmpty()); });
    connect(m_browseButton, &QPushButton::clicked, this, &ImportDialog::Browse);
    connect(m_importButton, &QPushButton::clicked, this, &ImportDialog::Import);
    // Cancel stops a download under way, and closes.
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(this, &QDialog::rejected, this, [this] {
        if (m_download) m_download->Cancel();
    });
}

CalendarDownload& ImportDialog::Download()
{
    // Made at the first address: a file imported never loads the network.
    if (m_download) return *m_download;
    m_download = MakeCalendarDownload();
    connect(m_download.get(), &CalendarDownload::Progress, this, [this](qint64 received, qint64 total) {
        m_bar->setRange(0, total > 0 ? 1000 : 0); // busy until the size is known
        if (total > 0) m_bar->setValue(int(received * 1000 / total));
    });
    connect(m_download.get(), &CalendarDownload::Finished, this, &ImportDialog::DownloadFinished);
    return *m_download;
}

void ImportDialog::Browse()
{
    const std::optional<QString> path = CommonDialogs::Current().OpenFile(m_browse);
    if (!path) return;
    m_file = *path;
    accept();
}

void ImportDialog::Import()
{
    const QString text = m_box->text().trimmed();
    if (!IsCalendarAddress(text)) {
        m_file = text; // a path typed by hand
        accept();
        return;
    }
    QString error;
    const std::optional<QUrl> url = CalendarUrl(text, &error);
    if (!url) {
        ShowMessage(kTitle, error, PromptIcon::Stop);
        return;
    }
    m_address = *url;
    m_status->setText(Str(27030).arg(Quoted(url->toDisplayString())));
    SetDownloading(true);
    Download().Start(*url);
}

void ImportDialog::DownloadFinished(bool ok, const QByteArray& bytes, const QString& error)
{
    SetDownloading(false);
    m_status->clear();
    if (ok && HoldsCalendar(bytes)) {
        m_downloaded = bytes;
        accept();
        return;
    }
    if (!ok && error.isEmpty()) return; // cancelled
    // The box stays as typed, to be put right.
    ShowMessage(kTitle, ok ? NotCalendarMessage(m_address) : error, PromptIcon::Stop);
}

void ImportDialog::SetDownloading(bool downloading)
{
    m_box->setEnabled(!downloading);
    m_browseButton->setEnabled(!downloading);
    m_importButton->setEnabled(!downloading && !m_box->text().trimmed().isEmpty());
    m_bar->setVisible(downloading);
    m_bar->setRange(0, 0);
}
