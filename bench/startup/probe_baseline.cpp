// The yardstick a program of this kind pays: a main window with a toolbar, an MDI area and a
// label of French text, so Qt's font and text set-up is counted on both sides.

#include "ShownProbe.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMainWindow>
#include <QMdiArea>
#include <QStyle>
#include <QToolBar>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    QToolBar* toolbar = window.addToolBar(QStringLiteral("Outils"));
    const QStyle::StandardPixmap icons[] = {QStyle::SP_FileIcon, QStyle::SP_DirOpenIcon,
                                            QStyle::SP_DialogSaveButton, QStyle::SP_DialogHelpButton};
    const char* tips[] = {"Nouveau...", "Ouvrir...", "Enregistrer", "Aide..."};
    for (int i = 0; i < 4; ++i)
        toolbar->addAction(app.style()->standardIcon(icons[i]), QString::fromUtf8(tips[i]));

    auto* area = new QWidget;
    auto* layout = new QHBoxLayout(area);
    auto* label = new QLabel(
        QString::fromUtf8("Étape 1: Créer ou ouvrir un document en utilisant l'onglet 'Commandes'."));
    label->setWordWrap(true);
    label->setFixedWidth(260);
    layout->addWidget(label);
    layout->addWidget(new QMdiArea, 1);
    window.setCentralWidget(area);
    window.resize(1024, 768);
    ShownProbe probe(&window);
    window.show();
    return app.exec();
}
