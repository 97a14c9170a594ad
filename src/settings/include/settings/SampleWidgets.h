#pragma once

#include "widgets/WidgetColours.h"

#include <QImage>
#include <QLabel>
#include <QWidget>

// The small pictures of the settings windows.

// A patch of colour (a swatch, a lamp, a sample of the measurement screen);
// announces a double click.
class ColourPatch : public QLabel {
    Q_OBJECT
public:
    explicit ColourPatch(QWidget* parent, const QSize& size = {});

signals:
    void doubleClicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

// The gauge samples: a bar or a circle in the gauge's green.
class GaugeSample : public QWidget {
public:
    enum Kind { Bar, Circle };
    GaugeSample(Kind kind, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Kind Shape;
};

// A picture box: what is drawn on its canvas stays until it is cleared.
class PictureBox : public QWidget {
public:
    PictureBox(const QSize& size, QWidget* parent);

    void Clear();
    QImage& Canvas() { return Picture; }
    const QImage& Canvas() const { return Picture; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage Picture;
};

// The input level while the microphone test records: a bar from the bottom,
// 0 to 1 of full scale.
class LevelBar : public QWidget {
public:
    LevelBar(const QSize& size, QWidget* parent);

    void SetLevel(double level);
    double Level() const { return Current; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    double Current = 0;
};
