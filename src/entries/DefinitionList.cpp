#include "entries/DefinitionList.h"

void DefinitionListChanged(qint32 part, int line)
{
    Session& s = Session::Get();
    s.SetModified(part, true, 0);
    s.RequestRefresh(line);
}
