#include "settings/AudienceScreenChooser.h"

#include "widgets/ContestSession.h"
#include "widgets/ScreenChoice.h"
#include "core/ProgramOptions.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QScreen>
#include <QVBoxLayout>

AudienceScreenChooser::AudienceScreenChooser(QWidget* parent)
    : QGroupBox(QStringLiteral("表示先"), parent), screenBox(new QComboBox(this))
{
    screenBox->setObjectName(QStringLiteral("audienceScreenBox"));
    screenBox->setToolTip(QStringLiteral("測定画面、結果、順位表示、成績モニターを表示する画面です。"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(screenBox);
}

void AudienceScreenChooser::Load(const ContestState& context)
{
    Stored = LoadProgramOptions(context).AudienceScreen;
    screenBox->clear();
    screenBox->addItem(QStringLiteral("メニューと同じ画面"), QString());
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QSize size = screen->size();
        screenBox->addItem(QStringLiteral("%1 (%2×%3)").arg(screen->name()).arg(size.width()).arg(size.height()),
                           screen->name());
    }
    if (Stored.Name.isEmpty())
        return;
    const QScreen* connected = ChosenScreen(QGuiApplication::screens(), Stored, nullptr);
    int index = connected ? screenBox->findData(connected->name()) : -1;
    if (index < 0) {
        screenBox->addItem(QStringLiteral("%1 (未接続)").arg(Stored.Name), Stored.Name);
        index = screenBox->count() - 1;
    }
    screenBox->setCurrentIndex(index);
}

bool AudienceScreenChooser::Store(const ContestSession& context) const
{
    ProgramOptions options = LoadProgramOptions(context);
    options.AudienceScreen = Chosen();
    if (SaveProgramOptions(context, options))
        return true;
    context.Messages.Inform(QStringLiteral("管理データの書き込みができません！"), MessageIcon::Error);
    return false;
}

ScreenIdentity AudienceScreenChooser::Chosen() const
{
    const QString name = screenBox->currentData().toString();
    for (const QScreen* screen : QGuiApplication::screens()) {
        if (screen->name() == name)
            return IdentityOf(*screen);
    }
    return name == Stored.Name ? Stored : ScreenIdentity{name, {}, {}, {}};
}
