#include "settings/HallSettingsGroup.h"

#include "hall/HallAddresses.h"
#include "core/ProgramOptions.h"
#include "widgets/ContestSession.h"
#include "widgets/QrCodePicture.h"
#include "widgets/OperatorMessages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QSpinBox>

namespace {

constexpr int CodeSide = 132;

}

HallSettingsGroup::HallSettingsGroup(QWidget* parent)
    : QGroupBox(QStringLiteral("会場Web"), parent), enabledBox(new QCheckBox(QStringLiteral("順位をスマートフォンに公開する"), this)),
      portBox(new QSpinBox(this)), urlBox(new QComboBox(this)), codePicture(new QLabel(this))
{
    setObjectName(QStringLiteral("hallGroup"));
    enabledBox->setObjectName(QStringLiteral("hallEnabledBox"));
    portBox->setObjectName(QStringLiteral("hallPortBox"));
    portBox->setRange(1, 65535);
    urlBox->setObjectName(QStringLiteral("hallUrlBox"));
    urlBox->setToolTip(QStringLiteral("順位表示と会場QR表示に出すアドレスです。"));
    codePicture->setObjectName(QStringLiteral("hallCodePicture"));
    codePicture->setFixedSize(CodeSide, CodeSide);
    codePicture->setAlignment(Qt::AlignCenter);
    auto* layout = new QGridLayout(this);
    layout->addWidget(enabledBox, 0, 0, 1, 2);
    layout->addWidget(new QLabel(QStringLiteral("ポート"), this), 1, 0);
    layout->addWidget(portBox, 1, 1);
    layout->addWidget(urlBox, 2, 0, 1, 2);
    layout->addWidget(codePicture, 0, 2, 4, 1);
    layout->setRowStretch(3, 1);
    connect(portBox, &QSpinBox::valueChanged, this, [this] { ListUrls(urlBox->currentText()); });
    connect(urlBox, &QComboBox::currentIndexChanged, this, [this] { ShowChosenCode(); });
}

void HallSettingsGroup::Load(const ContestState& context)
{
    const HallOptions options = LoadProgramOptions(context).Hall;
    enabledBox->setChecked(options.Enabled);
    {
        const QSignalBlocker quiet(portBox);
        portBox->setValue(options.Port);
    }
    ListUrls(options.Url);
}

bool HallSettingsGroup::Store(const ContestSession& context) const
{
    return Succeeded(context.Messages, SaveHallOptions(context, {enabledBox->isChecked(), portBox->value(), urlBox->currentText()}));
}

void HallSettingsGroup::ListUrls(const QString& chosen)
{
    // The chosen address is kept by its host when the port changes.
    const QString chosenHost = chosen.section(QLatin1Char(':'), 0, -2);
    const QStringList urls = HallUrls(portBox->value());
    const QSignalBlocker quiet(urlBox);
    urlBox->clear();
    urlBox->addItems(urls);
    const auto kept = std::find_if(urls.begin(), urls.end(), [&](const QString& url) {
        return url.section(QLatin1Char(':'), 0, -2) == chosenHost;
    });
    urlBox->setCurrentIndex(kept == urls.end() ? 0 : int(kept - urls.begin()));
    ShowChosenCode();
}

void HallSettingsGroup::ShowChosenCode()
{
    codePicture->setPixmap(QrCodePicture(urlBox->currentText(), CodeSide));
}
