#include "sync/SyncDialog.h"

#include "dialogkit/EditorFrame.h"
#include "interchange/InterchangeFiles.h"
#include "platform/HelpTopic.h"
#include "platform/Prompter.h"
#include "resources/Strings.h"
#include "sync/CalDavClient.h"
#include "sync/SyncAddress.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QString kTitle = QStringLiteral("Daybinder");

// What the collection said of itself, as the user reads it.
QString DescribeAnswer(const DavCollection& c, const QUrl& url)
{
    if (!c.Result.Ok()) return c.Result.Message;
    QString name = c.DisplayName.trimmed();
    if (name.isEmpty()) name = url.path().section(u'/', -2, -2);
    return Str(28016).arg(name, Quoted(url.host()));
}

} // namespace

SyncDialog::SyncDialog(const SyncSettings& shown, QWidget* parent)
    : QDialog(parent), m_url(new QLineEdit), m_user(new QLineEdit), m_password(new QLineEdit),
      m_remember(NamedCheckBox(28025, QStringLiteral("ChkSyncRemember"), nullptr)),
      m_test(Named(new QPushButton(Str(28024)), QStringLiteral("CmdSyncTest"))),
      m_answer(Named(new QLabel, QStringLiteral("LblSyncTest")))
{
    setObjectName(QStringLiteral("FrmSync"));
    setWindowTitle(DialogCaption(28031));
    m_url->setObjectName(QStringLiteral("TxtSyncUrl"));
    m_url->setPlaceholderText(Str(28030));
    m_url->setText(shown.Url);
    m_user->setObjectName(QStringLiteral("TxtSyncUser"));
    m_user->setText(shown.User);
    m_password->setObjectName(QStringLiteral("TxtSyncPassword"));
    m_password->setEchoMode(QLineEdit::Password);
    m_password->setText(shown.Password);
    m_remember->setChecked(shown.Remember);
    m_test->setAutoDefault(false);
    m_answer->setWordWrap(true);
    m_answer->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_answer->setMinimumHeight(m_answer->fontMetrics().lineSpacing() * 3);
    m_answer->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto* content = new QWidget;
    auto* form = new QFormLayout;
    form->addRow(Str(28021), m_url);
    form->addRow(Str(28022), m_user);
    form->addRow(Str(28023), m_password);
    form->addRow(QString(), m_remember);
    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(form);
    layout->addWidget(m_test, 0, Qt::AlignLeft);
    layout->addWidget(m_answer);
    const EditorButtons buttons = LayOutEditor(this, content);
    connect(buttons.Ok, &QPushButton::clicked, this, &SyncDialog::OnOk);
    connect(buttons.Help, &QToolButton::clicked, this,
            [] { ShowHelpTopic(QStringLiteral("Html\\d_sync.htm")); });
    connect(m_test, &QPushButton::clicked, this, &SyncDialog::Test);
    resize(560, sizeHint().height());
    // A known calendar asks only for what is missing: its password.
    if (!shown.Url.isEmpty() && !shown.User.isEmpty()) {
        m_password->setFocus();
        if (shown.Password.isEmpty()) m_answer->setText(Str(28033).arg(Quoted(shown.User)));
    }
}

SyncDialog::~SyncDialog() = default;

QString SyncDialog::TestAnswer() const
{
    return m_answer->text();
}

std::optional<QUrl> SyncDialog::CheckedAddress()
{
    const QString typed = m_url->text().trimmed();
    const QUrl parsed(typed, QUrl::StrictMode);
    bool consent = m_consented == typed;
    if (!consent && parsed.isValid() && !parsed.host().isEmpty() && NeedsClearTextConsent(parsed)) {
        const PromptAnswer answer = ShowMessage(
            kTitle, Str(28006).arg(Quoted(parsed.toDisplayString())) + QStringLiteral("\n\n") + Str(28028),
            PromptIcon::Exclamation, PromptButtons::YesNo, PromptAnswer::No);
        if (answer != PromptAnswer::Yes) return std::nullopt;
        m_consented = typed;
        consent = true;
    }
    QString error;
    const std::optional<QUrl> url = CollectionUrl(typed, consent, &error);
    if (!url) {
        ShowMessage(kTitle, error, PromptIcon::Stop);
        m_url->setFocus();
    }
    return url;
}

void SyncDialog::Test()
{
    const std::optional<QUrl> url = CheckedAddress();
    if (!url) return;
    m_client = MakeCalDavClient(*url, m_user->text().trimmed(), m_password->text());
    m_test->setEnabled(false);
    m_answer->setText(Str(28026).arg(Quoted(url->host())));
    // The client goes with the dialog: a test still under way then says nothing.
    m_client->Describe([this, url = *url](const DavCollection& c) {
        m_answer->setText(DescribeAnswer(c, url));
        m_test->setEnabled(true);
    });
}

void SyncDialog::OnOk()
{
    const std::optional<QUrl> url = CheckedAddress();
    if (!url) return;
    if (m_user->text().trimmed().isEmpty()) {
        ShowMessage(kTitle, Str(28027), PromptIcon::Stop);
        m_user->setFocus();
        return;
    }
    m_values = {url->toString(), m_user->text().trimmed(), m_password->text(), m_remember->isChecked()};
    accept();
}
