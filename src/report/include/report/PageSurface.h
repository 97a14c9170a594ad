#pragma once

#include <QPicture>
#include <QSizeF>
#include <functional>

class QPainter;
class QRectF;

// The page surface the score sheet window draws a sheet on for the preview:
// an A4 page, 11907 by 16839.9 twips, never shown itself. It records the
// drawing rather than its pixels, so the preview shows the sheet sharp at
// any size. The drawing is recorded on a grid finer than the page at the
// preview's largest zoom, so per-column drawings stay solid there.
class PageSurface {
public:
    static constexpr double WidthTwips = 11907;
    static constexpr double HeightTwips = 16839.9;
    static constexpr double TwipsPerPixel = 15;

    // The page at full size in screen pixels.
    static QSizeF SizePixels();

    void Clear();
    bool IsEmpty() const { return Empty; }

    // Records `draw` on a painter whose viewport is the whole page.
    void Draw(const std::function<void(QPainter&)>& draw);

    // Plays the recording into `target` of the painter, stretched to fill it.
    void Play(QPainter& painter, const QRectF& target) const;

private:
    static QSizeF RecordedSize();

    QPicture Picture;
    bool Empty = true;
};
