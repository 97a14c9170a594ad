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

namespace {

// The page image at the chosen zoom; a press of a mouse button goes to the
// window's handler.
class PageView : public QWidget {
public:
    PageView(PrintPreview& preview, QWidget* parent) : QWidget(parent), Preview(preview)
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        if (!Preview.PCRX)
            return;
        const double factor = ZoomFactor(Preview.ZoomIndex);
        const QSizeF page = PageSurface::SizePixels() * factor;
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        Preview.PCRX->Play(painter, QRectF(QPointF(1, 1), page));
    }

    void mousePressEvent(QMouseEvent* event) override
    {
        Preview.PPVE_MouseDown(event->button(), event->globalPosition().toPoint());
    }

private:
    PrintPreview& Preview;
};

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
    MenuBar = new QMenuBar(this);
    M1 = MenuBar->addMenu(QStringLiteral("操作(&S)"));
    P1 = M1->addAction(QStringLiteral("次表示(&N)"), this, [this] { P1_Click(); });
    P2 = M1->addAction(QStringLiteral("中断(&B)"), this, [this] { P2_Click(); });
    M1->addSeparator();
    const char* const zoomTexts[] = {"ZOOM 150%", "ZOOM 100%", "ZOOM 75%", "ZOOM 50%", "ZOOM 25%"};
    for (int i = 0; i < ZoomStepCount; ++i) {
        ZZ[static_cast<size_t>(i)] = M1->addAction(QLatin1String(zoomTexts[i]), this, [this, i] { ZZ_Click(i); });
        ZZ[static_cast<size_t>(i)]->setCheckable(true);
    }
    PPCT = new QWidget(this);
    PPCT->setAutoFillBackground(true);
    PPVE = new PageView(*this, PPCT);
    HS1 = new QScrollBar(Qt::Horizontal, this);
    VS1 = new QScrollBar(Qt::Vertical, this);
    connect(HS1, &QScrollBar::valueChanged, this, [this](int value) { HS1_Change(value); });
    connect(VS1, &QScrollBar::valueChanged, this, [this](int value) { VS1_Change(value); });
}

void PrintPreview::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        Form_Load();
}

void PrintPreview::Form_Load()
{
    MenuAllowance = style()->pixelMetric(QStyle::PM_LargeIconSize);
    ZoomIndex = ZoomStepAtLoad;
    RenderPreview();
    P1->setEnabled(true);
    for (int i = 0; i < ZoomStepCount; ++i)
        ZZ[static_cast<size_t>(i)]->setChecked(i == ZoomIndex);
    const QRect screen = (parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen())->geometry();
    setGeometry(screen.left(), screen.top(), screen.width(), screen.height() - MenuAllowance);
    Form_Resize();
}

void PrintPreview::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    Form_Resize();
}

void PrintPreview::Form_Resize()
{
    ArrangePreview();
    RenderPreview();
}

void PrintPreview::ArrangePreview()
{
    const int menuHeight = MenuBar->sizeHint().height();
    MenuBar->setGeometry(0, 0, width(), menuHeight);
    const PreviewArrangement arrangement =
        ::ArrangePreview(QSize(width(), height() - menuHeight), HS1->sizeHint().height(), VS1->sizeHint().width());
    PPCT->setGeometry(arrangement.Container.translated(0, menuHeight));
    HS1->setGeometry(arrangement.HorizontalBar.translated(0, menuHeight));
    VS1->setGeometry(arrangement.VerticalBar.translated(0, menuHeight));
}

void PrintPreview::RenderPreview()
{
    const QSize page = (PageSurface::SizePixels() * ZoomFactor(ZoomIndex)).toSize();
    PPVE->resize(page);
    PPVE->update();
    ApplyRange(HS1, ScrollRangeFor(PPCT->width(), page.width()));
    ApplyRange(VS1, ScrollRangeFor(PPCT->height(), page.height()));
    VS1->setValue(0);
    HS1->setValue(0);
    PPVE->move(0, 0);
}

void PrintPreview::HS1_Change(int value)
{
    PPVE->move(-value, PPVE->y());
}

void PrintPreview::VS1_Change(int value)
{
    PPVE->move(PPVE->x(), -value);
}

void PrintPreview::ZZ_Click(int index)
{
    if (index == ZoomIndex) {
        ZZ[static_cast<size_t>(index)]->setChecked(true);
        return;
    }
    for (QAction* item : ZZ)
        item->setChecked(false);
    ZoomIndex = static_cast<int16_t>(index);
    ZZ[static_cast<size_t>(index)]->setChecked(true);
    RenderPreview();
}

void PrintPreview::PPVE_MouseDown(Qt::MouseButton button, QPoint position)
{
    if (button == Qt::RightButton)
        M1->popup(position);
}

void PrintPreview::P1_Click()
{
    PreviewStopRequest = 0;
    close();
}

void PrintPreview::P2_Click()
{
    PreviewStopRequest = -1;
    close();
}
