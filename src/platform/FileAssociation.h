#pragma once
// The ".cal" association, the freedesktop way: the MIME type application/x-daybinder for
// "*.cal" (a shared-MIME-info package), a desktop entry for the program, and the default-handler
// line of mimeapps.list, all under the user's own data and config folders. The options read and
// change it through the installed FileAssociation; tests install one on folders of their own.

#include <QByteArray>
#include <QString>

// Where the association lives and what it opens.
struct AssociationPlaces
{
    QString DataHome;   // $XDG_DATA_HOME, else ~/.local/share
    QString ConfigHome; // $XDG_CONFIG_HOME, else ~/.config
    QString Program;    // the program file the desktop entry starts
    QString Icon;       // the desktop entry's icon: a file beside the program, else the theme name

    // The running program in the user's folders.
    static AssociationPlaces FromEnvironment();
};

inline const QString kDaybinderMimeType = QStringLiteral("application/x-daybinder");
inline const QString kDesktopEntryName = QStringLiteral("org.daybinder.Daybinder.desktop");

// The desktop entry's command: the program in double quotes, then " %f".
QString OpenCommand(const QString& program);

// The texts written: the MIME package as installed, and the desktop entry for the program.
QByteArray MimePackage();
QByteArray DesktopEntry(const AssociationPlaces& places);

// The default handler named for a MIME type in a mimeapps.list text (the first of its list);
// empty when none.
QString DefaultHandlerIn(const QByteArray& mimeapps, const QString& mimeType);
// The text with the handler of the type set (handler not empty) or our entry taken out of it
// (handler empty); every other line stays as it was.
QByteArray WithDefaultHandler(const QByteArray& mimeapps, const QString& mimeType, const QString& handler);

class FileAssociation
{
public:
    explicit FileAssociation(AssociationPlaces places) : m_places(std::move(places)) {}
    virtual ~FileAssociation() = default;

    // True when our desktop entry is the default handler of our MIME type and starts this
    // program.
    virtual bool IsDefault() const;
    // Writes the MIME package, the desktop entry and the default-handler line; false when one of
    // them could not be written.
    virtual bool Register();
    // Removes our desktop entry and our default-handler line; the MIME package goes too unless
    // another program is the type's default handler. Nothing of another program is touched.
    virtual bool Unregister();

    static FileAssociation& Current();
    static void Install(FileAssociation* association); // nullptr: the user's own folders

private:
    QString MimePackagePath() const;
    QString DesktopEntryPath() const;
    QString MimeappsPath() const;
    void RefreshCaches() const;

    AssociationPlaces m_places;
};
