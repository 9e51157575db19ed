#include "properties/ApplyProperties.h"

#include "platform/Prompter.h"
#include "resources/Strings.h"

namespace {

// The calendar of another year: the definitions stay, their occurrences are made again for
// that year, and everything else of the old document goes (its file name too).
void ChangeYear(const QString& year)
{
    Session& s = Session::Get();
    if (s.Mode() != MainMode::Load) s.SetMode(MainMode::Load);
    s.SetProgressLine(0, Str(10001));
    const CalendarDocument old = s.CurrentDocument;
    s.CurrentDocument = s.BlankDocument(false);
    s.SetModified(PartAll, false);
    CalendarDocument& doc = s.CurrentDocument;
    doc.Year = year;
    const PropertiesHooks& hooks = PropertiesHooks::Get();
    // Each list keeps its key counter, so that new definitions never reuse a key.
    if (!old.AE.AutoEvents.isEmpty()) {
        doc.AE = old.AE;
        if (hooks.UpdateAutoEvents) hooks.UpdateAutoEvents();
        s.SetModified(PartAutoEvents, true);
    }
    if (!old.BD.Birthdays.isEmpty()) {
        doc.BD = old.BD;
        if (hooks.UpdateBirthdays) hooks.UpdateBirthdays();
        s.SetModified(PartBirthdays, true);
    }
    if (!old.DE.DebtsSavings.isEmpty()) {
        doc.DE = old.DE;
        s.SetModified(PartDebtsSavings, true);
    }
}

bool ApplyYear(const QString& year)
{
    Session& s = Session::Get();
    if (year.isEmpty() || year == s.CurrentDocument.Year) return false;
    if (s.Mode() != MainMode::Edit) {
        s.CurrentDocument.Year = year;
        return true;
    }
    const PromptAnswer answer = ShowMessage(QStringLiteral("Daybinder"), Str(543), PromptIcon::Question,
                                            PromptButtons::YesNo, PromptAnswer::No);
    if (answer != PromptAnswer::Yes) return false;
    ChangeYear(year);
    return true;
}

// A picture is there only with its path: one left behind by "Pas d'image de fond" or by a month
// on the defaults is released.
BackgroundSettings Kept(BackgroundSettings b, bool ownPictureGoes)
{
    if (ownPictureGoes) b.PicturePath.clear();
    if (b.PicturePath.isEmpty()) b.Picture = QImage();
    return b;
}

void ApplyDisplay(const PropertiesWork& work)
{
    Session& s = Session::Get();
    CalendarDocument& doc = s.CurrentDocument;
    const BackgroundSettings defaults = Kept(work.Backgrounds[kDefaultsNode], false);
    if (BackgroundDiffers(defaults, doc.DefaultBackground)) {
        doc.DefaultBackground = defaults;
        s.SetModified(PartDefaultBackground, true);
    }
    if (ColoursDiffers(work.Colours[kDefaultsNode], doc.DefaultColours)) {
        doc.DefaultColours = work.Colours[kDefaultsNode];
        s.SetModified(PartDefaultColours, true);
    }
    for (int m = 1; m <= 12; ++m) {
        const BackgroundSettings& own = work.Backgrounds[size_t(m)];
        const BackgroundSettings background = Kept(own, own.UseDefault);
        if (BackgroundDiffers(background, doc.Month(m).Background)) {
            doc.Month(m).Background = background;
            s.SetModified(PartMonthBackground, true, m);
        }
        if (ColoursDiffers(work.Colours[size_t(m)], doc.Month(m).Colours)) {
            doc.Month(m).Colours = work.Colours[size_t(m)];
            s.SetModified(PartMonthColours, true, m);
        }
    }
}

} // namespace

PropertiesHooks& PropertiesHooks::Get()
{
    static PropertiesHooks hooks;
    return hooks;
}

bool PasswordNeedsConfirming(const PropertiesWork& work)
{
    return work.Protected && !work.Password.trimmed().isEmpty() && !work.PasswordConfirmed;
}

bool ApplyProperties(const PropertiesWork& work)
{
    if (PasswordNeedsConfirming(work) && !Prompter::Current().AskPassword(work.Password.trimmed(), nullptr)) {
        ShowMessage(DialogCaption(1701), Str(1704), PromptIcon::Exclamation);
        return false;
    }

    Session& s = Session::Get();
    bool header = ApplyYear(work.Year);
    CalendarDocument& doc = s.CurrentDocument;
    if (work.Author.trimmed() != doc.Author) {
        doc.Author = work.Author.trimmed();
        header = true;
    }
    const QString month = QStringLiteral("%1").arg(work.MonthToOpen, 2, 10, QLatin1Char('0'));
    if (month != doc.MonthToOpen) {
        doc.MonthToOpen = month;
        header = true;
    }

    ApplyDisplay(work);

    if (work.EmbedPictures != doc.EmbedPictures) {
        doc.EmbedPictures = work.EmbedPictures;
        header = true;
    }
    const QString password = work.Protected ? work.Password.trimmed() : QString();
    if (password != doc.Password) {
        doc.Password = password;
        header = true;
    }
    if (header) s.SetModified(PartHeader, true);
    return true;
}

void RebuildChangedMonths(const CalendarDocument& before)
{
    Session& s = Session::Get();
    const QList<int> months = MonthsToRebuild(before, s.CurrentDocument);
    const PropertiesHooks& hooks = PropertiesHooks::Get();
    if (before.Year != s.CurrentDocument.Year) {
        if (hooks.ReloadMonthWindows) hooks.ReloadMonthWindows(months);
        return;
    }
    // Only the look of some months changed: they are rebuilt in place. The loading picture
    // would cover the twelve windows and make every one of them repaint when it goes.
    for (int m : months)
        if (hooks.BuildMonthWindow) hooks.BuildMonthWindow(m);
    s.UpdateCaption();
}
