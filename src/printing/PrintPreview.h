#pragma once
// The print preview: one page at a time, at a zoom of 25 to 200 %, exactly as the printer would
// print it: the selected months of the calendar, or a single picture handed over by the picture
// editor. From here the user prints, pages through, zooms, opens the printing options and closes.

#include "document/CalendarDocument.h"

#include <QDialog>
#include <QImage>
#include <array>
#include <functional>

class QCheckBox;
class QFrame;
class QLabel;
class QPushButton;
class QScrollBar;
class QTimer;

// Buttons of the button bar, by index ("CmdMenu0".."CmdMenu6").
enum PreviewButton : int
{
    PreviewPrint = 0,
    PreviewPrevious = 1,
    PreviewNext = 2,
    PreviewZoomIn = 3,
    PreviewZoomOut = 4,
    PreviewClose = 5,
    PreviewOptions = 6,
};
constexpr int kPreviewButtons = 7;

// Shows the preview of a request (an empty one for the calendar) modally, then empties the
// program-wide print request. The main window's Preview command and the picture editor's
// print button open it.
void OpenPreview(const BackgroundSettings& request, QWidget* parent = nullptr);

class PrintPreview : public QDialog
{
    Q_OBJECT
public:
    explicit PrintPreview(QWidget* parent = nullptr);
    ~PrintPreview() override;

    // The options dialog opened on the given page; true when it was confirmed. Without one the
    // Options button stays disabled.
    static inline std::function<bool(QWidget* parent, int page)> ShowOptions;
    // Around the modal preview: the main window updates its panel before and its commands after.
    static inline std::function<void()> BeforeOpening;
    static inline std::function<void()> AfterClosing;

    float Zoom() const { return m_zoom; }
    int CurrentPage() const { return m_current; }
    int PageCount() const { return int(m_months.size()); }
    int PageMonth() const; // 0 for a picture request
    const QImage& PageImage() const { return m_page; }
    QWidget* PageFrame() const { return m_pageFrame; }
    QWidget* ViewZone() const { return m_view; }
    QPushButton* Button(int index) const { return m_buttons[size_t(index)]; }

    // Page list from the settings, zoom 50 %, page 1; then the page is rendered.
    void Start();
    // Draws the current page now, and lays it out.
    void RenderPage();
    // Places the page in the view and shows the scroll bars it needs.
    void LayoutPage();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void done(int result) override;

private:
    class PrintingPanel;
    void BuildControls();
    void OnButton(int index);
    // Every selected month with its copies, or the picture, while the message panel shows the
    // progress.
    void PrintWholeJob();
    void UpdateButtons();
    void ShowStatus();
    void ShowMessage(const QString& title, const QString& line);
    void HideMessage();
    void PlaceMessage();
    void OnScroll();
    void StopTimers();

    std::array<QPushButton*, kPreviewButtons> m_buttons{};
    QCheckBox* m_stretch = nullptr;
    QWidget* m_stretchPanel = nullptr;
    QWidget* m_view = nullptr;
    QWidget* m_pageFrame = nullptr;
    QFrame* m_message = nullptr;
    std::array<QLabel*, 2> m_messageLines{};
    QWidget* m_vHolder = nullptr;
    QWidget* m_hHolder = nullptr;
    QScrollBar* m_vBar = nullptr;
    QScrollBar* m_hBar = nullptr;
    std::array<QLabel*, 2> m_status{};
    QTimer* m_renderTimer = nullptr;
    QTimer* m_resizeTimer = nullptr;

    QImage m_page;
    float m_zoom = 0.5f;
    int m_current = 1;
    QList<int> m_months; // month of each page; {0} for a picture request
    bool m_rendering = false;
};
