#pragma once

#include <QDialog>
#include <array>
#include <cstdint>

class PageSurface;
class QAction;
class QMenu;
class QMenuBar;
class QScrollBar;
class QWidget;

// The print preview: one sheet of an output run, drawn on the score sheet
// window's page surface, at a chosen zoom with scroll bars over the page.
// 次表示 goes on to the next sheet, 中断 stops the run.
class PrintPreview : public QDialog {
public:
    explicit PrintPreview(QWidget* parent = nullptr);

    void Form_Load();
    void Form_Resize();
    void ArrangePreview();
    void RenderPreview();
    void HS1_Change(int value);
    void VS1_Change(int value);
    void ZZ_Click(int index);
    void PPVE_MouseDown(Qt::MouseButton button, QPoint position);
    void P1_Click();
    void P2_Click();

    // The page on view; set by the application before each sheet.
    const PageSurface* PCRX = nullptr;
    // -1 after 中断, 0 after 次表示; left alone by the window's close box.
    int16_t PreviewStopRequest = 0;

    int16_t ZoomIndex = 1;
    int MenuAllowance = 0;

    QMenuBar* MenuBar = nullptr;
    QMenu* M1 = nullptr;
    QAction* P1 = nullptr;
    QAction* P2 = nullptr;
    std::array<QAction*, 5> ZZ{};
    QWidget* PPCT = nullptr;
    QWidget* PPVE = nullptr;
    QScrollBar* HS1 = nullptr;
    QScrollBar* VS1 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
};
