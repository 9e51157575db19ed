#include "dialogkit/EditorFrame.h"

#include "document/AmountText.h"
#include "document/NumberText.h"
#include "document/TextInput.h"
#include "resources/Strings.h"

#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace {

// F1 anywhere in the dialog does what its help button does. An unhandled key climbs from the
// focused box to the dialog, so one filter there sees it wherever the focus is.
class HelpKeyFilter : public QObject
{
public:
    HelpKeyFilter(QToolButton* help, QObject* parent) : QObject(parent), m_help(help) {}

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1) {
            m_help->click();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QToolButton* m_help;
};

// The program's text filter, and no number above the maximum: such an edit does not happen.
class BoundedNumberValidator : public CalTextValidator
{
public:
    BoundedNumberValidator(double maximum, QObject* parent) : CalTextValidator(parent), m_maximum(maximum) {}

    State validate(QString& input, int& pos) const override
    {
        const State state = CalTextValidator::validate(input, pos);
        return std::fabs(ReadNumber(input)) > m_maximum ? Invalid : state;
    }

private:
    double m_maximum;
};

} // namespace

EditorButtons LayOutEditor(QDialog* dialog, QWidget* pages)
{
    auto* box = new QDialogButtonBox(dialog);
    EditorButtons b;
    b.Ok = box->addButton(Str(502), QDialogButtonBox::AcceptRole);
    b.Cancel = box->addButton(Str(503), QDialogButtonBox::RejectRole);
    b.Ok->setObjectName(QStringLiteral("CmdOk"));
    b.Cancel->setObjectName(QStringLiteral("CmdCancel"));
    b.Ok->setDefault(true);
    b.Help = new QToolButton(dialog);
    b.Help->setObjectName(QStringLiteral("CmdHelp"));
    b.Help->setText(QStringLiteral("?"));
    b.Help->setToolTip(Str(223));

    auto* row = new QHBoxLayout;
    row->addWidget(b.Help);
    row->addStretch();
    row->addWidget(box);
    auto* layout = new QVBoxLayout(dialog);
    layout->addWidget(pages);
    layout->addLayout(row);
    QObject::connect(b.Cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    dialog->installEventFilter(new HelpKeyFilter(b.Help, dialog));
    return b;
}

void HoldOk(QPushButton* ok, bool missing, int why)
{
    ok->setEnabled(!missing);
    ok->setToolTip(missing ? Str(why) : QString());
}

int WidthToShow(const QLineEdit* box, const QString& text)
{
    QStyleOptionFrame frame;
    frame.initFrom(box);
    frame.lineWidth =
        box->hasFrame() ? box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &frame, box) : 0;
    const QMargins margins = box->textMargins();
    // The box keeps 2 pixels each side of its text, and room for the cursor.
    const QSize inside(box->fontMetrics().horizontalAdvance(text) + 2 * 2 + 1 + margins.left() +
                           margins.right(),
                       box->fontMetrics().height());
    return box->style()->sizeFromContents(QStyle::CT_LineEdit, &frame, inside, box).width();
}

QLineEdit* FilteredTextBox(const QString& name, QWidget* parent)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setValidator(new CalTextValidator(box));
    return box;
}

QLineEdit* AmountTextBox(const QString& name, AmountSign sign, QWidget* parent)
{
    QLineEdit* box = FilteredTextBox(name, parent);
    QObject::connect(box, &QLineEdit::textEdited, box, [box, sign](const QString& text) {
        const AmountEdit edit = FilterAmount(text, box->cursorPosition(), sign);
        if (edit.Text == text) return;
        box->setText(edit.Text);
        box->setCursorPosition(edit.Cursor);
    });
    return box;
}

UpDownBox MakeUpDownBox(const QString& boxName, const QString& upDownName, QWidget* parent, double minimum,
                        double maximum)
{
    UpDownBox b;
    b.Box = AmountTextBox(boxName, AmountSign::Absolute, parent);
    delete b.Box->validator(); // the number's own bound replaces the text filter
    b.Box->setValidator(new BoundedNumberValidator(maximum, b.Box));
    b.Box->setToolTip(Str(20005).arg(PlainNumberText(minimum), PlainNumberText(maximum)));
    b.Box->setMaximumWidth(80);
    b.Up = new QToolButton(parent);
    b.Down = new QToolButton(parent);
    b.Up->setObjectName(upDownName + QStringLiteral("Up"));
    b.Down->setObjectName(upDownName + QStringLiteral("Down"));
    b.Up->setArrowType(Qt::UpArrow);
    b.Down->setArrowType(Qt::DownArrow);
    b.Row = new QHBoxLayout;
    b.Row->addWidget(b.Box);
    b.Row->addWidget(b.Up);
    b.Row->addWidget(b.Down);

    QLineEdit* box = b.Box;
    const auto step = [box, minimum, maximum](int by) {
        const double value = std::nearbyint(std::fabs(ReadNumber(box->text()))) + by;
        box->setText(PlainNumberText(std::clamp(value, minimum, maximum)));
    };
    QObject::connect(b.Up, &QToolButton::clicked, box, [step] { step(1); });
    QObject::connect(b.Down, &QToolButton::clicked, box, [step] { step(-1); });
    return b;
}

QCheckBox* NamedCheckBox(int text, const QString& name, QWidget* parent)
{
    return Named(new QCheckBox(Str(text), parent), name);
}
