#include "settings/AudienceScreenChooser.h"

#include "widgets/ContestSession.h"
#include "widgets/ScreenChoice.h"
#include "core/ProgramOptions.h"
#include "widgets/OperatorMessages.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

AudienceScreenChooser::AudienceScreenChooser(QWidget* parent)
    : QGroupBox(QStringLiteral("表示先"), parent), screenBox(new QComboBox(this)), matchLabel(new QLabel(this))
{
    screenBox->setObjectName(QStringLiteral("audienceScreenBox"));
    screenBox->setToolTip(QStringLiteral("測定画面、結果、順位表示、成績モニターを表示する画面です。"));
    matchLabel->setObjectName(QStringLiteral("matchLabel"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(screenBox);
    layout->addWidget(matchLabel);
    connect(screenBox, &QComboBox::currentIndexChanged, this, &AudienceScreenChooser::ShowMatch);
}

void AudienceScreenChooser::Load(const ContestState& context)
{
    Stored = LoadProgramOptions(context).AudienceScreen;
    StoredMatch = MatchingScreen(QGuiApplication::screens(), Stored);
    const QSignalBlocker quiet(screenBox);
    screenBox->clear();
    screenBox->addItem(QStringLiteral("メニューと同じ画面"), QString());
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QSize size = screen->size();
        screenBox->addItem(QStringLiteral("%1 (%2×%3)").arg(screen->name()).arg(size.width()).arg(size.height()),
                           screen->name());
    }
    int index = 0;
    if (StoredMatch.Index >= 0) {
        index = StoredMatch.Index + 1;
    } else if (!Stored.Name.isEmpty()) {
        screenBox->addItem(QStringLiteral("%1 (未接続)").arg(Stored.Name), Stored.Name);
        index = screenBox->count() - 1;
    }
    screenBox->setCurrentIndex(index);
    ShowMatch();
}

void AudienceScreenChooser::ShowMatch()
{
    // Said of the stored choice only; another one is the operator's own.
    const bool stored = screenBox->currentIndex() > 0 && screenBox->currentIndex() == StoredIndex();
    matchLabel->setVisible(stored);
    if (!stored)
        return;
    const QString name = screenBox->currentData().toString();
    switch (StoredMatch.By) {
    case ScreenMatchedBy::Name:
        matchLabel->setText(QStringLiteral("%1 に表示（名前が一致）").arg(name));
        break;
    case ScreenMatchedBy::Monitor:
        matchLabel->setText(QStringLiteral("%1 に表示（同じモニター %2 %3）").arg(name, Stored.Manufacturer, Stored.Model));
        break;
    case ScreenMatchedBy::Place:
        matchLabel->setText(QStringLiteral("%1 に表示（位置と大きさが一致）").arg(name));
        break;
    case ScreenMatchedBy::Nothing:
        matchLabel->setText(QStringLiteral("未接続：メニューと同じ画面に表示"));
        break;
    }
}

bool AudienceScreenChooser::Store(const ContestSession& context) const
{
    ProgramOptions options = LoadProgramOptions(context);
    options.AudienceScreen = Chosen();
    return Succeeded(context.Messages, SaveProgramOptions(context, options));
}

ScreenIdentity AudienceScreenChooser::Chosen() const
{
    if (screenBox->currentIndex() == StoredIndex() && StoredMatch.Index < 0)
        return Stored;
    const QString name = screenBox->currentData().toString();
    for (const QScreen* screen : QGuiApplication::screens()) {
        if (screen->name() != name)
            continue;
        ScreenIdentity chosen = IdentityOf(*screen);
        if (screenBox->currentIndex() == StoredIndex() && chosen.Model.isEmpty()) {
            chosen.Manufacturer = Stored.Manufacturer;
            chosen.Model = Stored.Model;
            chosen.SerialNumber = Stored.SerialNumber;
        }
        return chosen;
    }
    return {name, {}, {}, {}, {}};
}

int AudienceScreenChooser::StoredIndex() const
{
    if (Stored.Name.isEmpty())
        return 0;
    return StoredMatch.Index >= 0 ? int(StoredMatch.Index) + 1 : screenBox->count() - 1;
}
