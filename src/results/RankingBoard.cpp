#include "results/RankingBoard.h"

#include "widgets/ClickLabel.h"
#include "widgets/StoredColour.h"
#include "widgets/WidgetColours.h"
#include "results/RankingPages.h"
#include "core/ContestOperations.h"
#include "widgets/ContestSession.h"
#include "core/ResultStore.h"
#include "widgets/EntrantNames.h"
#include "widgets/FontFitting.h"
#include "widgets/OperatorMessages.h"
#include "widgets/QrCodePicture.h"

#include <QKeyEvent>
#include <QLabel>
#include <QTimer>
#include <algorithm>

namespace {

// The board is laid out in twips; a pixel of the screen is 15 of them.
constexpr double TwipsPerPixel = 15;

// The character a key produces, 0 for keys that produce none.
int KeyAscii(const QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Space:
        return 32;
    default:
        return event->text().isEmpty() ? 0 : event->text().at(0).unicode();
    }
}

}

RankingBoard::RankingBoard(ContestSession& context, QWidget* parent) : FullScreenWindow(context, parent), Context(context)
{
    setWindowTitle(QStringLiteral("ずべろ　順位表"));
    setAutoFillBackground(true);
    for (int i = 0; i < BoardRows; ++i) {
        auto* row = new ClickLabel(this);
        row->setObjectName(QStringLiteral("rankRow%1").arg(i));
        connect(row, &ClickLabel::pressed, this, [this, i](Qt::MouseButton button) { RowMouseDown(i, button); });
        rankRows[static_cast<size_t>(i)] = row;
    }
    // The indicator takes no clicks, and keeps them from the board.
    pageIndicator = new ClickLabel(this);
    pageIndicator->setObjectName(QStringLiteral("pageIndicator"));
    pageIndicator->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    hallCode = new QLabel(this);
    hallCode->setObjectName(QStringLiteral("hallCode"));
    hallAddress = new QLabel(this);
    hallAddress->setObjectName(QStringLiteral("hallAddress"));
    hallAddress->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // The corner takes no clicks of its own: they page the board.
    hallCode->setAttribute(Qt::WA_TransparentForMouseEvents);
    hallAddress->setAttribute(Qt::WA_TransparentForMouseEvents);
    idleTimer = new QTimer(this);
    idleTimer->setObjectName(QStringLiteral("idleTimer"));
    idleTimer->setInterval(1000);
    connect(idleTimer, &QTimer::timeout, this, [this] { CountIdleSecond(); });
}

void RankingBoard::LoadOnOpen()
{
    // The ranking is derived from the log: a pass that could not write loses
    // nothing stored, and the board shows the ranking the files last held
    // without a word to the operator.
    static_cast<void>(RebuildRanking(Context));
    Ranking = ValueOrReport<std::vector<ResultRecord>>(Context.Messages, ListEntrants(Context, EntrantOrder::ByRank));
    HallNames = ReadHallNames(Context);
    BoardLevels.reset();
    if (auto shown = ReadShownLevels(Context)) {
        if (const auto* damaged = std::get_if<EntrantLevelsDamaged>(&*shown))
            Report(Context.Messages, *damaged);
        BoardLevels = std::holds_alternative<EntrantLevels>(*shown) ? std::get<EntrantLevels>(*shown) : EntrantLevels{};
    }
    PageCount();
    BoardLayout();
    Page = 1;
    PageLoad(Page);
    PageShow();
    Idle = 0;
    idleTimer->start();
}

void RankingBoard::SetHallUrl(const QString& url)
{
    HallUrl = url;
}

void RankingBoard::LayOutForScreen()
{
    BoardLayout();
    PageShow();
}

void RankingBoard::PageCount()
{
    Last = LastBoardPage(Ranking ? static_cast<int>(Ranking->size()) : 0);
}

void RankingBoard::BoardLayout()
{
    const ScreenSettings& colours = Context.Settings.Screen;
    SetBackColour(this, FromStoredColour(colours.ResultBackColor));

    const int width = this->width();
    const int height = this->height();
    QFont rowFont(QStringLiteral("ＭＳ ゴシック"));
    rowFont.setUnderline(true);
    BoardPoints = std::max(height * TwipsPerPixel / 10 / 30, 1.0);
    rowFont.setPointSizeF(BoardPoints);
    for (int i = 0; i < BoardRows; ++i) {
        ClickLabel* row = rankRows[static_cast<size_t>(i)];
        SetTextColour(row, FromStoredColour(colours.ResultForeColor));
        row->setFont(rowFont);
        row->setGeometry(width / 10, (i + 1) * height / 12, width * 18 / 20, height / 12);
    }
    QFont indicatorFont(QStringLiteral("ＭＳ Ｐゴシック"));
    indicatorFont.setBold(true);
    indicatorFont.setPointSize(std::max(static_cast<int>(height * TwipsPerPixel / 500), 1));
    pageIndicator->setFont(indicatorFont);
    SetTextColour(pageIndicator, FromStoredColour(colours.ResultForeColor));
    SetTextColour(hallAddress, FromStoredColour(colours.ResultForeColor));
}

void RankingBoard::LayOutHallCorner(int rowsLeft)
{
    hallCode->setVisible(!HallUrl.isEmpty());
    hallAddress->setVisible(!HallUrl.isEmpty());
    if (HallUrl.isEmpty())
        return;
    // The bottom twelfth is free below the last row; the code may rise into
    // the margin left of the rows where that is wider, never over a row.
    const int band = height() / 12;
    const int side = std::clamp(rowsLeft - 16, band - 4, height() / 4);
    hallCode->setPixmap(QrCodePicture(HallUrl, side));
    hallCode->setGeometry(4, height() - side - 4, side, side);
    QFont addressFont(QStringLiteral("ＭＳ Ｐゴシック"));
    addressFont.setPixelSize(std::max(band / 4, 8));
    hallAddress->setFont(addressFont);
    hallAddress->setText(QStringLiteral("スマホで順位\n") + HallUrl);
    hallAddress->setGeometry(side + 12, height() - band, width() / 3, band);
}

void RankingBoard::PageLoad(int page)
{
    RowTexts = Ranking ? BoardPageRows(*Ranking, page) : std::array<QString, BoardRows>();
    RowNames = {};
    RowLevels = {};
    const qsizetype first = qsizetype(page - 1) * BoardRows;
    for (qsizetype row = 0; Ranking && row < BoardRows && first + row < qsizetype(Ranking->size()); ++row) {
        const int entryNo = (*Ranking)[size_t(first + row)].EntryNo;
        RowNames[size_t(row)] = HallNames.NameOf(entryNo);
        if (BoardLevels)
            RowLevels[size_t(row)] = BoardLevelCell(BoardLevels->contains(entryNo) ? std::optional(BoardLevels->at(entryNo)) : std::nullopt);
    }
}

void RankingBoard::PageShow()
{
    // Names are cut short so that every row stays inside the screen.
    const double maxRowWidth = width() * 18.0 / 20;
    const double points = RowPoints(maxRowWidth);
    int widest = 0;
    for (int a = 0; a < BoardRows; ++a) {
        ClickLabel* row = rankRows[static_cast<size_t>(a)];
        QFont font = row->font();
        font.setPointSizeF(points);
        row->setFont(font);
        const QString text = BoardLabelText(Page, a, RowTexts[static_cast<size_t>(a)]) + RowLevels[static_cast<size_t>(a)];
        const QFontMetricsF metrics(row->font());
        row->setText(text + FittedNameSuffix(RowNames[static_cast<size_t>(a)], metrics, maxRowWidth - metrics.horizontalAdvance(text)));
        row->resize(row->sizeHint());
        widest = std::max(widest, row->width());
    }
    pageIndicator->setText(BoardIndicatorText(Page));
    const QSize indicator = pageIndicator->sizeHint();
    pageIndicator->setGeometry(width() - indicator.width(), static_cast<int>(height() - indicator.height() * 1.2), indicator.width(),
                     indicator.height());
    // All rows start where the widest one, centred, starts.
    const int left = (width() - widest) / 2;
    for (ClickLabel* row : rankRows)
        row->move(left, row->y());
    LayOutHallCorner(left);
}

// The rows fill most of the screen's width without names; a page with names
// takes a smaller font that leaves room for a name of some length.
double RankingBoard::RowPoints(double maxRowWidth) const
{
    constexpr int RoomForName = 12;
    QFont font = rankRows[0]->font();
    font.setPointSizeF(BoardPoints);
    const QString widestLevel = BoardLevels ? BoardLevelCell(EntrantLevel{188.8, 0, 0, true, 0, 0}) : QString();
    if (std::all_of(RowNames.begin(), RowNames.end(), [](const QString& name) { return name.isEmpty(); }))
        return std::min(BoardPoints, PointsFittingWidth(font, BoardLabelText(Page, 0, RowTexts[0]) + widestLevel, maxRowWidth));
    const QString named =
        BoardLabelText(Page, 0, RowTexts[0]) + widestLevel + QStringLiteral("　") + QString(RoomForName, QChar(u'寿'));
    return PointsFittingWidth(font, named, maxRowWidth);
}

void RankingBoard::PressKey(int keyAscii)
{
    if (keyAscii != 0)
        close();
}

void RankingBoard::PressMouse(Qt::MouseButton button)
{
    const std::optional<int> page = BoardPageAfterClick(button, Page, Last);
    if (!page) {
        close();
        return;
    }
    if (*page == Page)
        return;
    Page = *page;
    PageLoad(Page);
    PageShow();
}

void RankingBoard::RowMouseDown(int, Qt::MouseButton button)
{
    PressMouse(button);
}

void RankingBoard::CountIdleSecond()
{
    ++Idle;
    if (Idle > BoardOpenSeconds)
        close();
}

void RankingBoard::keyPressEvent(QKeyEvent* event)
{
    PressKey(KeyAscii(event));
}

void RankingBoard::mousePressEvent(QMouseEvent* event)
{
    PressMouse(event->button());
}

void RankingBoard::done(int result)
{
    idleTimer->stop();
    QDialog::done(result);
}
