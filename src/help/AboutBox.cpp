#include "help/AboutBox.h"

#include "document/Session.h"
#include "help/AboutText.h"
#include "platform/HelpTopic.h"
#include "resources/Strings.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace {

const QString kHelpPage = QStringLiteral("Html\\d_about.htm");

QLabel* NamedLabel(QWidget* parent, const char* name, const QString& text)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace

AboutBox::AboutBox(QWidget* parent, const QString& programFile) : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmAbout"));
    setWindowTitle(Str(601));
    const QString file = programFile.isEmpty() ? QCoreApplication::applicationFilePath() : programFile;

    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("ImgIcon"));
    icon->setPixmap(QApplication::windowIcon().pixmap(64, 64));
    icon->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    QLabel* product = NamedLabel(this, "LblProduct", Str(602));
    QFont big = product->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.4);
    product->setFont(big);
    QLabel* version = NamedLabel(this, "LblVersion", QStringLiteral("version ") + Session::FileVersion);
    QLabel* versionLine = NamedLabel(this, "LblInfo0", ProgramVersionLine());
    QLabel* dateLine = NamedLabel(this, "LblInfo1", AboutDateLine(file));

    auto* ok = new QPushButton(Str(502), this);
    ok->setObjectName(QStringLiteral("CmdOk"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* text = new QVBoxLayout;
    text->addWidget(product);
    text->addWidget(version);
    text->addSpacing(10);
    text->addWidget(versionLine);
    text->addWidget(dateLine);
    text->addStretch(1);
    auto* top = new QHBoxLayout;
    top->addWidget(icon);
    top->addSpacing(12);
    top->addLayout(text, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    auto* main = new QVBoxLayout(this);
    main->addLayout(top, 1);
    main->addLayout(buttons);
    setMinimumWidth(360);

    connect(new QShortcut(QKeySequence(Qt::Key_F1), this), &QShortcut::activated, this,
            [] { ShowHelpTopic(kHelpPage); });
}

void AboutBox::Show(QWidget* parent)
{
    AboutBox box(parent);
    box.exec();
}
