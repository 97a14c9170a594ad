#pragma once

#include <QDialog>
#include <array>

class PageSurface;
class QAction;
class QMenu;
class QMenuBar;
class QScrollBar;
class QWidget;

// The print preview: one sheet of an output run, drawn on the score sheet
// window's page surface, at a chosen zoom with scroll bars over the page.
// 次表示 (or the close box) goes on to the next sheet, 中断 stops the run.
// Each sheet opens at 100 %, scrolled to the top left.
class PrintPreview : public QDialog {
    Q_OBJECT
public:
    explicit PrintPreview(QWidget* parent = nullptr);

    // The page on view; set before each sheet, nothing between sheets.
    void SetPage(const PageSurface* page);
    int ZoomStep() const { return ZoomIndex; }
    // Whether the operator left the sheet on view with 中断.
    bool RunStopped() const { return StopChosen; }

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void OpenForSheet();
    void Arrange();
    void Render();
    void ChooseZoom(int index);
    void ShowOperations(Qt::MouseButton button, QPoint position);
    void Leave(bool stopRun);

    const PageSurface* PageOnView = nullptr;
    bool StopChosen = false;
    int ZoomIndex = 1;

    QMenuBar* menuBar = nullptr;
    QMenu* operationMenu = nullptr;
    QAction* nextItem = nullptr;
    QAction* stopItem = nullptr;
    std::array<QAction*, 5> zoomItems{};
    QWidget* pageFrame = nullptr;
    QWidget* pageView = nullptr;
    QScrollBar* horizontalBar = nullptr;
    QScrollBar* verticalBar = nullptr;

    friend class PreviewPageView;
};
