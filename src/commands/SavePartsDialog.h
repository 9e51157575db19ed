#pragma once
// The save-parts dialog: which of the modified parts to write.

#include "commands/DocumentCommands.h"

#include <QDialog>

class QListWidget;

class SavePartsDialog : public QDialog
{
    Q_OBJECT
public:
    SavePartsDialog(const QString& target, const QList<SavePart>& parts, QWidget* parent = nullptr);

    QListWidget* PartList() const { return m_list; }
    SavePartsAnswer Answer() const;

    // Shows the dialog modally and returns what was pressed.
    static SavePartsAnswer Ask(const QString& target, const QList<SavePart>& parts, QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QList<SavePart> m_parts;
    QListWidget* m_list;
    SavePartsAnswer::Button m_pressed = SavePartsAnswer::Cancel;
};
