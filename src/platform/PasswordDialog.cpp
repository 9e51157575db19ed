#include "platform/PasswordDialog.h"

#include "document/TextInput.h"
#include "platform/Display.h"
#include "platform/HelpTopic.h"
#include "resources/Strings.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QShortcut>

namespace {

const QString kHelpPage = QStringLiteral("Html\\d_askpass.htm");
constexpr int kPadlockSize = 48;

struct PadlockColours
{
    QBrush Shackle;
    QBrush Body;
    QColor Outline;
    bool Smooth;
};

PadlockColours ColoursFor(int colourDepth)
{
    if (colourDepth == 16) // the sixteen standard colours, hard edges
        return {QColor(192, 192, 192), QColor(255, 255, 0), QColor(128, 128, 0), false};
    if (colourDepth == 256) return {QColor(153, 153, 153), QColor(255, 204, 0), QColor(102, 51, 0), true};
    QLinearGradient steel(0, 0, kPadlockSize, 0);
    steel.setColorAt(0, QColor(235, 235, 240));
    steel.setColorAt(1, QColor(120, 125, 135));
    QLinearGradient brass(0, kPadlockSize / 2.0, 0, kPadlockSize);
    brass.setColorAt(0, QColor(255, 221, 110));
    brass.setColorAt(1, QColor(196, 138, 20));
    return {steel, brass, QColor(110, 70, 10), true};
}

} // namespace

QPixmap PadlockPicture(int colourDepth, qreal ratio)
{
    const PadlockColours c = ColoursFor(colourDepth);
    QPixmap picture(QSize(kPadlockSize, kPadlockSize) * ratio);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing, c.Smooth);

    // The shackle: a thick arch over the body.
    QPainterPath arch;
    arch.moveTo(14, 24);
    arch.lineTo(14, 15);
    arch.arcTo(14, 5, 20, 20, 180, -180);
    arch.lineTo(34, 24);
    p.setPen(QPen(c.Outline, 7, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.drawPath(arch);
    p.setPen(QPen(c.Shackle, 5, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.drawPath(arch);

    // The body and its keyhole.
    p.setPen(QPen(c.Outline, 1.5));
    p.setBrush(c.Body);
    p.drawRoundedRect(QRectF(7.5, 22.5, 33, 23), 4, 4);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(24, 31), 3.5, 3.5);
    p.drawPolygon(QPolygonF({QPointF(22, 32), QPointF(26, 32), QPointF(27, 40), QPointF(21, 40)}));
    return picture;
}

PasswordDialog::PasswordDialog(const QString& expected, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(DialogCaption(1701));

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("ImgPass"));
    picture->setPixmap(PadlockPicture(ColourDepth(), devicePixelRatioF()));
    auto* text = new QLabel(Str(1702), this);
    text->setObjectName(QStringLiteral("LblPass0"));
    auto* prompt = new QLabel(Str(expected.isEmpty() ? 548 : 1703), this);
    prompt->setObjectName(QStringLiteral("LblPass1"));

    m_password = new QLineEdit(this);
    m_password->setObjectName(QStringLiteral("TxtPass"));
    m_password->setEchoMode(QLineEdit::Password);
    m_password->setValidator(new CalTextValidator(m_password));
    prompt->setBuddy(m_password);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(Str(502), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("CmdOk"));
    ok->setDefault(true);
    QPushButton* cancel = buttons->addButton(Str(503), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("CmdCancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(new QShortcut(QKeySequence(Qt::Key_F1), this), &QShortcut::activated, this,
            [] { ShowHelpTopic(kHelpPage); });

    auto* grid = new QGridLayout(this);
    grid->addWidget(picture, 0, 0, 3, 1, Qt::AlignTop);
    grid->addWidget(text, 0, 1);
    grid->addWidget(prompt, 1, 1);
    grid->addWidget(m_password, 2, 1);
    grid->addWidget(buttons, 3, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    m_password->setMinimumWidth(260);
    m_password->setFocus();
}

void PasswordDialog::done(int result)
{
    m_result = result == QDialog::Accepted ? 1 : 0;
    m_typed = m_result == 1 ? m_password->text().trimmed() : QString();
    QDialog::done(result);
}

bool AskPasswordDialog(QWidget* parent, const QString& expected, QString* typed)
{
    PasswordDialog prompt(expected, parent);
    prompt.exec();
    if (prompt.Result() != 1) return false;
    if (!expected.isEmpty()) return prompt.Typed() == expected;
    if (typed) *typed = prompt.Typed();
    return true;
}
