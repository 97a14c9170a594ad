#include "widgets/FontFitting.h"

int FitFontSize(int first, int last, int step, double maxWidth, double maxHeight,
                const std::function<QSizeF(int size)>& measure)
{
    int size = first;
    for (; size <= last; size += step) {
        const QSizeF text = measure(size);
        if (text.width() > maxWidth || text.height() > maxHeight)
            break;
    }
    return size - 10;
}
