#pragma once
// Opening the editor of a list: the event editor, the debt and savings editor, the auto-event and
// birthday editors.

#include "entries/DefinitionList.h"

class QWidget;

// Opens the editor of a list modally and returns its result; in edit mode only on a line of the
// list (count lines), else 0.
template <class Editor> int RunListEditor(QWidget* parent, int mode, int editIndex, qsizetype count)
{
    if (mode == EditorEdit && (editIndex < 0 || editIndex >= count)) return 0;
    Editor dialog(mode, editIndex, parent);
    dialog.exec();
    return dialog.Result();
}
