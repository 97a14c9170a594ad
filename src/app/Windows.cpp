#include "app/Windows.h"

#include "report/ScoreSheetPrinting.h"

#include <QDialog>

Windows::Windows(AppContext& context) : Context(context), Hall(context, HallEntrantNames(context)) {}

Windows::~Windows()
{
    for (const QPointer<QWidget>& window : Made) {
        if (window && !window->parent())
            delete window.data();
    }
}

void Windows::ShowModal(QDialog& window)
{
    window.exec();
}

void Windows::OpenModal(QDialog& window)
{
    window.setWindowModality(Qt::ApplicationModal);
    window.show();
    window.raise();
    window.activateWindow();
}

void Windows::ShowModeless(QWidget& window)
{
    // A window opened modally before opens beside the others now.
    window.setWindowModality(Qt::NonModal);
    window.show();
    window.raise();
    window.activateWindow();
}
