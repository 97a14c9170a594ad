#include "report/PrintPreview.h"

#include "report/PageSurface.h"
#include "report/PreviewLayout.h"

#include <QGuiApplication>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>

// The page image at the chosen zoom; a right press pops up the operations.
class PreviewPageView : public QWidget {
public:
    PreviewPageView(PrintPreview& preview, QWidget* parent) : QWidget(parent), Preview(preview)
    {
        setObjectName(QStringLiteral("pageView"));
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        if (!Preview.PageOnView)
            return;
        const QSizeF page = PageSurface::SizePixels() * ZoomFactor(Preview.ZoomIndex);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        Preview.PageOnView->Play(painter, QRectF(QPointF(1, 1), page));
    }

    void mousePressEvent(QMouseEvent* event) override
    {
        Preview.ShowOperations(event->button(), event->globalPosition().toPoint());
    }

private:
    PrintPreview& Preview;
};

namespace {

void ApplyRange(QScrollBar* bar, const ScrollRange& range)
{
    bar->setEnabled(range.Enabled);
    bar->setRange(0, range.Maximum);
    bar->setPageStep(range.LargeStep);
}

}

PrintPreview::PrintPreview(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("プレビュー"));
    menuBar = new QMenuBar(this);
    operationMenu = menuBar->addMenu(QStringLiteral("操作(&S)"));
    operationMenu->setObjectName(QStringLiteral("operationMenu"));
    nextItem = operationMenu->addAction(QStringLiteral("次表示(&N)"), this, [this] { Leave(false); });
    nextItem->setObjectName(QStringLiteral("nextItem"));
    stopItem = operationMenu->addAction(QStringLiteral("中断(&B)"), this, [this] { Leave(true); });
    stopItem->setObjectName(QStringLiteral("stopItem"));
    operationMenu->addSeparator();
    const char* const zoomTexts[] = {"ZOOM 150%", "ZOOM 100%", "ZOOM 75%", "ZOOM 50%", "ZOOM 25%"};
    const char* const zoomNames[] = {"zoom150", "zoom100", "zoom75", "zoom50", "zoom25"};
    for (int i = 0; i < ZoomStepCount; ++i) {
        QAction* item = operationMenu->addAction(QLatin1String(zoomTexts[i]), this, [this, i] { ChooseZoom(i); });
        item->setObjectName(QLatin1String(zoomNames[i]));
        item->setCheckable(true);
        zoomItems[static_cast<size_t>(i)] = item;
    }
    pageFrame = new QWidget(this);
    pageFrame->setObjectName(QStringLiteral("pageFrame"));
    pageFrame->setAutoFillBackground(true);
    pageView = new PreviewPageView(*this, pageFrame);
    horizontalBar = new QScrollBar(Qt::Horizontal, this);
    horizontalBar->setObjectName(QStringLiteral("horizontalBar"));
    verticalBar = new QScrollBar(Qt::Vertical, this);
    verticalBar->setObjectName(QStringLiteral("verticalBar"));
    connect(horizontalBar, &QScrollBar::valueChanged, this, [this](int value) { pageView->move(-value, pageView->y()); });
    connect(verticalBar, &QScrollBar::valueChanged, this, [this](int value) { pageView->move(pageView->x(), -value); });
}

void PrintPreview::SetPage(const PageSurface* page)
{
    PageOnView = page;
    pageView->update();
}

void PrintPreview::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        OpenForSheet();
}

void PrintPreview::OpenForSheet()
{
    StopChosen = false;
    ZoomIndex = ZoomStepAtLoad;
    nextItem->setEnabled(true);
    for (int i = 0; i < ZoomStepCount; ++i)
        zoomItems[static_cast<size_t>(i)]->setChecked(i == ZoomIndex);
    // Room for the title bar below the screen's lower edge, as large as an icon.
    const int titleAllowance = style()->pixelMetric(QStyle::PM_LargeIconSize);
    const QRect screen = (parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen())->geometry();
    setGeometry(screen.left(), screen.top(), screen.width(), screen.height() - titleAllowance);
    Arrange();
    Render();
}

void PrintPreview::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    Arrange();
    Render();
}

void PrintPreview::Arrange()
{
    const int menuHeight = menuBar->sizeHint().height();
    menuBar->setGeometry(0, 0, width(), menuHeight);
    const PreviewArrangement arrangement = ArrangePreview(QSize(width(), height() - menuHeight),
                                                          horizontalBar->sizeHint().height(), verticalBar->sizeHint().width());
    pageFrame->setGeometry(arrangement.Container.translated(0, menuHeight));
    horizontalBar->setGeometry(arrangement.HorizontalBar.translated(0, menuHeight));
    verticalBar->setGeometry(arrangement.VerticalBar.translated(0, menuHeight));
}

// The page at the chosen zoom, scrolled back to its top-left corner.
void PrintPreview::Render()
{
    const QSize page = (PageSurface::SizePixels() * ZoomFactor(ZoomIndex)).toSize();
    pageView->resize(page);
    pageView->update();
    ApplyRange(horizontalBar, ScrollRangeFor(pageFrame->width(), page.width()));
    ApplyRange(verticalBar, ScrollRangeFor(pageFrame->height(), page.height()));
    verticalBar->setValue(0);
    horizontalBar->setValue(0);
    pageView->move(0, 0);
}

void PrintPreview::ChooseZoom(int index)
{
    for (int i = 0; i < ZoomStepCount; ++i)
        zoomItems[static_cast<size_t>(i)]->setChecked(i == index);
    if (index == ZoomIndex)
        return;
    ZoomIndex = index;
    Render();
}

void PrintPreview::ShowOperations(Qt::MouseButton button, QPoint position)
{
    if (button == Qt::RightButton)
        operationMenu->popup(position);
}

void PrintPreview::Leave(bool stopRun)
{
    StopChosen = stopRun;
    close();
}
