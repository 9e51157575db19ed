#pragma once
// The document properties dialog: the general page (year, author, month to open, the file),
// the display page (background and colours of the defaults and of each month, with a preview)
// and the save page (embedded pictures, password). It edits working copies; OK writes them to
// the document (ApplyProperties.h).

#include "properties/PropertiesRules.h"

#include <QDialog>
#include <array>

class PropertiesPreview;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QStackedWidget;
class QTabWidget;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;

class PropertiesDialog : public QDialog
{
    Q_OBJECT
public:
    explicit PropertiesDialog(QWidget* parent = nullptr);

    // 1 after OK, 0 otherwise.
    qint32 Result() const { return m_result; }
    const PropertiesWork& Work() const { return m_work; }

    QTreeWidget* Tree() const { return m_tree; }
    // The tree's item of a node (0 "Défaut", 1..12 the months) and of its children.
    QTreeWidgetItem* NodeItem(int node) const;
    QTreeWidgetItem* PictureItem(int node) const;
    QTreeWidgetItem* ColoursItem(int node) const;
    PropertiesPreview* Preview() const { return m_preview; }

private:
    // The pages (PropertiesDialog.cpp for the general and save pages).
    QWidget* BuildGeneralPage();
    QWidget* BuildSavePage();
    void UpdateSavePage();
    void OnOk();
    void ShowHelp();

    // The display page (PropertiesDisplay.cpp).
    QWidget* BuildDisplayPage();
    QWidget* BuildBackgroundPanel();
    QWidget* BuildColourPanel();
    void OnNodeSelected();
    void FillBackgroundPanel();
    void FillColourPanel();
    void UpdateBackgroundPanel();
    void UpdateColourPanel();
    void ShowPreview();
    void OnBackgroundDefaults();
    void OnNoPicture();
    void OnModeBox(int box);
    void OnChoosePicture();
    void OnAdjustPicture();
    void OnColourDefaults();
    void OnGrids();
    void ChooseColour(int row);
    void ShowSwatch(int row);
    bool eventFilter(QObject* watched, QEvent* event) override;
    int PanelNode() const;
    // A text box that is white while it can be used and grey otherwise.
    static void SetBoxEnabled(QLineEdit* box, bool enabled);

    PropertiesWork m_work;
    qint32 m_result = 0;
    bool m_filling = false; // a panel is being filled: its boxes are not the user's clicks

    QTabWidget* m_tabs = nullptr;
    // General page
    QListWidget* m_years = nullptr;
    QLineEdit* m_author = nullptr;
    QComboBox* m_monthToOpen = nullptr;
    QLineEdit* m_fileName = nullptr;
    QLineEdit* m_fileSize = nullptr;
    // Display page
    QTreeWidget* m_tree = nullptr;
    QLabel* m_panelTitle = nullptr;
    QStackedWidget* m_panels = nullptr;
    int m_panelNode = kDefaultsNode; // the node whose panel is shown
    QWidget* m_previewPanel = nullptr;
    PropertiesPreview* m_preview = nullptr;
    QWidget* m_backgroundPanel = nullptr;
    std::array<QCheckBox*, 4> m_bck{};
    QLabel* m_bckNameLabel = nullptr;
    QLineEdit* m_bckName = nullptr;
    QPushButton* m_bckChoose = nullptr;
    QPushButton* m_bckAdjust = nullptr;
    QWidget* m_colourPanel = nullptr;
    std::array<QCheckBox*, 2> m_col{};
    std::array<QLabel*, kColourRows> m_colLabels{};
    std::array<QToolButton*, kColourRows> m_swatches{};
    // Save page
    std::array<QCheckBox*, 2> m_save{};
    QLabel* m_passwordLabel = nullptr;
    QLineEdit* m_password = nullptr;
};

// Shows the dialog modally on the current document; after OK the month windows that changed are
// rebuilt unless skipRefresh (New loads them all itself). True when the dialog was cancelled.
bool ShowProperties(bool skipRefresh, QWidget* parent);
