#include "document/Session.h"

#include "resources/Strings.h"

Session& Session::Get()
{
    static Session* session = new Session; // lives for the whole run
    return *session;
}

Session::Session()
{
    connect(&m_history, &ChangeHistory::Restored, this, &Session::UpdateCaption);
}

void Session::SetMode(MainMode mode)
{
    if (m_mode == mode) return;
    m_mode = mode;
    emit ModeChanged(mode);
}

CalendarDocument Session::BlankDocument(bool keepView)
{
    if (!keepView) {
        Selected = Selection();
        Clipboard.Clear();
        emit MonthWindowsReset(m_mode == MainMode::Unload);
    }
    return BlankDocumentFrom(CurrentDocument);
}

void Session::SetModified(qint32 part, bool value, int month)
{
    SetPartFlags(CurrentDocument, part, value, month);
    CurrentDocument.IsSaved = !AnyPartModified(CurrentDocument);
    UpdateCaption();
    if (value) m_history.NoteChange();
}

QString Session::Caption() const
{
    return CaptionFor(CurrentDocument, m_mode);
}

void Session::SetProgressLine(int line, const QString& text)
{
    emit ProgressLineChanged(line, text);
}

void Session::Reset()
{
    CurrentDocument = CalendarDocument();
    SavedDocument = CalendarDocument();
    Selected = Selection();
    Clipboard.Clear();
    CellMenu = CellMenuState();
    RefreshInProgress = false;
    m_mode = MainMode::Logo;
    m_history.Clear();
}

QString CaptionFor(const CalendarDocument& doc, MainMode mode)
{
    const QString head = QStringLiteral("Daybinder v") + Session::FileVersion;
    if (mode == MainMode::Logo) return head + u' ' + Str(10004);
    QString caption = DocumentTitle(doc);
    if (!doc.IsSaved) caption += u'*';
    return caption;
}

QString DocumentTitle(const CalendarDocument& doc)
{
    return QStringLiteral("Daybinder v") + Session::FileVersion + QStringLiteral(" - ") +
           (doc.FilePath.isEmpty() ? Str(540) : doc.FilePath);
}
