#include "pictures/PictureEditor.h"

#include "dialogkit/EditorFrame.h"
#include "document/NumberText.h"
#include "pictures/PictureView.h"
#include "pictures/PictureWork.h"
#include "platform/HelpTopic.h"
#include "platform/Prompter.h"
#include "resources/Strings.h"

#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QSlider>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QString kHelpPage = QStringLiteral("Html\\d_cmgraph.htm");

int BoxValue(const QLineEdit* box)
{
    return int(ReadNumber(box->text()));
}

} // namespace

EditedPicture EditPicture(const QImage& picture, const QString& path, QWidget* parent)
{
    EditedPicture edited{0, path, picture};
    {
        PictureEditor editor(picture, path, parent ? parent : QApplication::activeWindow());
        editor.exec();
        if (editor.Result() == 1) edited = {1, editor.Path(), editor.Picture()};
    }
    LetInterfaceRepaint();
    return edited;
}

PictureEditor::PictureEditor(const QImage& picture, const QString& path, QWidget* parent)
    : QDialog(parent), m_picture(picture), m_path(path)
{
    setObjectName(QStringLiteral("FrmCmGraph"));
    setWindowTitle(DialogCaption(1801));
    m_view = new PictureView(this);

    auto* column = new QVBoxLayout;
    column->addWidget(BuildSizeFrame());
    column->addWidget(BuildBrightnessFrame());
    column->addWidget(BuildCommandsFrame());
    column->addStretch(1);
    m_progress = Named(new QProgressBar(this), QStringLiteral("PrgWork"));
    m_progress->setTextVisible(false);
    m_progress->hide();
    column->addWidget(m_progress);

    auto* main = new QHBoxLayout(this);
    main->addWidget(m_view, 1);
    main->addLayout(column);
    resize(860, 600);

    connect(new QShortcut(QKeySequence(Qt::Key_F1), this), &QShortcut::activated, this,
            [] { ShowHelpTopic(kHelpPage); });
    m_print->setEnabled(CanPrint());
    ResetPicture();
}

QPushButton* PictureEditor::AddButton(int text, const QString& name, void (PictureEditor::*action)())
{
    auto* button = Named(new QPushButton(Str(text), this), name);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, action);
    m_controls.append(button);
    return button;
}

QLineEdit* PictureEditor::AddSizeBox(const QString& boxName, const QString& upDownName, QGridLayout* grid,
                                     int row, int caption)
{
    auto* box = Named(new QLineEdit(this), boxName);
    box->setMaximumWidth(70);
    connect(box, &QLineEdit::textEdited, this, [this, box] { OnSizeEdited(box); });
    grid->addWidget(new QLabel(Str(caption), this), row, 0);
    grid->addWidget(box, row, 1);
    const std::pair<const char*, int> steps[] = {{"Up", 1}, {"Down", -1}};
    int column = 2;
    for (const auto& [suffix, by] : steps) {
        auto* step = Named(new QToolButton(this), upDownName + QLatin1String(suffix));
        step->setArrowType(by > 0 ? Qt::UpArrow : Qt::DownArrow);
        step->setAutoRepeat(true);
        connect(step, &QToolButton::clicked, this, [this, box, by = by] { StepSize(box, by); });
        grid->addWidget(step, row, column++);
        m_controls.append(step);
    }
    grid->addWidget(new QLabel(Str(1805), this), row, column);
    m_controls.append(box);
    return box;
}

QWidget* PictureEditor::BuildSizeFrame()
{
    auto* frame = Named(new QGroupBox(Str(1802), this), QStringLiteral("FrSize"));
    auto* grid = new QGridLayout(frame);
    m_height = AddSizeBox(QStringLiteral("TxtHeight"), QStringLiteral("UDHeight"), grid, 0, 1803);
    m_width = AddSizeBox(QStringLiteral("TxtWidth"), QStringLiteral("UDWidth"), grid, 1, 1804);
    grid->addWidget(AddButton(1806, QStringLiteral("CmdSizeFit"), &PictureEditor::FitCalendar), 2, 0, 1, 5);
    grid->addWidget(AddButton(1807, QStringLiteral("CmdSizeApply"), &PictureEditor::ApplySize), 3, 0, 1, 5);
    return frame;
}

QWidget* PictureEditor::BuildBrightnessFrame()
{
    auto* frame = Named(new QGroupBox(Str(1808), this), QStringLiteral("FrBright"));
    auto* grid = new QGridLayout(frame);
    m_brightness = Named(new QSlider(Qt::Horizontal, this), QStringLiteral("SldBright"));
    m_brightness->setRange(-kMaxBrightnessStep, kMaxBrightnessStep);
    m_brightness->setValue(0);
    m_brightness->setTickPosition(QSlider::TicksBelow);
    m_brightness->setTickInterval(25);
    m_brightness->setPageStep(10);
    m_controls.append(m_brightness);
    grid->addWidget(m_brightness, 0, 0, 1, 2);
    grid->addWidget(new QLabel(Str(1811), this), 1, 0, Qt::AlignLeft);
    grid->addWidget(new QLabel(Str(1812), this), 1, 1, Qt::AlignRight);
    grid->addWidget(AddButton(1807, QStringLiteral("CmdBrightApply"), &PictureEditor::ApplyBrightness), 2, 0,
                    1, 2);
    return frame;
}

QWidget* PictureEditor::BuildCommandsFrame()
{
    auto* frame = Named(new QGroupBox(Str(230), this), QStringLiteral("FrMenu"));
    auto* column = new QVBoxLayout(frame);
    column->addWidget(AddButton(1809, QStringLiteral("CmdReset"), &PictureEditor::ResetPicture));
    column->addWidget(AddButton(1810, QStringLiteral("CmdOpen"), &PictureEditor::OpenPicture));
    column->addWidget(AddButton(241, QStringLiteral("CmdSaveAs"), &PictureEditor::SavePicture));
    m_print = AddButton(243, QStringLiteral("CmdPrint"), &PictureEditor::PrintCurrent);
    column->addWidget(m_print);
    column->addSpacing(12);
    QPushButton* ok = AddButton(502, QStringLiteral("CmdOk"), &QDialog::accept);
    ok->setDefault(true);
    column->addWidget(ok);
    column->addWidget(AddButton(503, QStringLiteral("CmdCancel"), &QDialog::reject));
    return frame;
}

const QImage& PictureEditor::Current() const
{
    return m_view->Surface()->Image();
}

bool PictureEditor::CanPrint() const
{
    return PrinterInstalled && PrintPicture && PrinterInstalled();
}

void PictureEditor::SetBusy(bool busy)
{
    m_busy = busy;
    for (QWidget* control : std::as_const(m_controls)) control->setEnabled(!busy);
    m_print->setEnabled(!busy && CanPrint());
}

void PictureEditor::ResetPicture()
{
    m_view->ShowPicture(m_picture);
    m_height->setText(QString::number(m_picture.height()));
    m_width->setText(QString::number(m_picture.width()));
}

void PictureEditor::OnSizeEdited(QLineEdit* box)
{
    const QString forced = SizeBoxText(box->text());
    if (forced == box->text()) return;
    const int cursor = box->cursorPosition();
    box->setText(forced);
    box->setCursorPosition(forced.size() == 1 ? 1 : std::min(cursor, int(forced.size())));
}

void PictureEditor::StepSize(QLineEdit* box, int by)
{
    box->setText(SizeBoxText(QString::number(BoxValue(box) + by)));
}

void PictureEditor::FitCalendar()
{
    m_height->setText(QString::number(kCalendarAreaSize.height()));
    m_width->setText(QString::number(kCalendarAreaSize.width()));
}
