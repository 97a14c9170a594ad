#pragma once

#include "core/AudioFailure.h"
#include "core/ContestOperations.h"
#include "core/RunRefusals.h"
#include "core/StoreFailures.h"
#include "widgets/MessageBoxService.h"

#include <optional>
#include <type_traits>
#include <variant>
#include <vector>

// The one catalogue of what the operator is told when the store or the
// recording device reports a failure: each failure's text, title and icon.

struct OperatorMessage {
    QString Text;
    // Empty: the program's name stands there.
    QString Title;
    MessageIcon Icon = MessageIcon::None;
};

OperatorMessage MessageFor(const ContestFileUnreadable& failure);
OperatorMessage MessageFor(const EntrantUnreadable& failure);
OperatorMessage MessageFor(const RecordingUnreadable& failure);
OperatorMessage MessageFor(const RecordingNotPlayable& failure);
OperatorMessage MessageFor(const RosterDamaged& failure);
OperatorMessage MessageFor(const LogNotCleared& failure);
OperatorMessage MessageFor(const LogWriteFailed& failure);
OperatorMessage MessageFor(const EntrantLevelNotWritten& failure);
OperatorMessage MessageFor(const EntrantLevelsDamaged& failure);
OperatorMessage MessageFor(const SettingsNotWritten& failure);
OperatorMessage MessageFor(const SettingsDamaged& failure);
OperatorMessage MessageFor(const ReportSettingsDamaged& failure);
OperatorMessage MessageFor(const PrinterNameNotStorable& failure);
OperatorMessage MessageFor(const ReportSettingsNotWritten& failure);
OperatorMessage MessageFor(const SetupRequestUnreadable& failure);
OperatorMessage MessageFor(const SetupRequestNotWritten& failure);
OperatorMessage MessageFor(const AudioFailure& failure);
OperatorMessage MessageFor(const SettingsOutsideLimits& refusal);
OperatorMessage MessageFor(const MeasurementLogUnreadable& refusal);
OperatorMessage MessageFor(const LogFull& refusal);
OperatorMessage MessageFor(const AudioInputMissing& refusal);
OperatorMessage MessageFor(const TestRecordingMismatch& refusal);

// Shows the failure's message.
template <class Failure>
void Report(MessageBoxService& messages, const Failure& failure)
{
    const OperatorMessage message = MessageFor(failure);
    messages.Show(message.Text, message.Title, message.Icon, MessageButtons::Ok);
}

// Shows each failure's message, in order.
template <class Failure>
void Report(MessageBoxService& messages, const std::vector<Failure>& failures)
{
    for (const Failure& failure : failures)
        Report(messages, failure);
}

// Shows the failure's message, if any.
template <class Failure>
void Report(MessageBoxService& messages, const std::optional<Failure>& failure)
{
    if (failure)
        Report(messages, *failure);
}

// Shows the failure's message, if any; true when there was none.
template <class Failure>
bool Succeeded(MessageBoxService& messages, const std::optional<Failure>& failure)
{
    if (failure)
        Report(messages, *failure);
    return !failure;
}

// Shows the step's failures; true when the step went through.
bool Succeeded(MessageBoxService& messages, const AudioStep& step);

// The value a store operation found; for a failure, its message is shown and
// nothing returned, as for any other outcome (an unused record), silently.
template <class Value, class... Outcomes>
std::optional<Value> ValueOrReport(MessageBoxService& messages, const std::variant<Outcomes...>& outcome)
{
    return std::visit(
        [&messages](const auto& alternative) -> std::optional<Value> {
            using Alternative = std::decay_t<decltype(alternative)>;
            if constexpr (std::is_same_v<Alternative, Value>) {
                return alternative;
            } else {
                if constexpr (requires { MessageFor(alternative); })
                    Report(messages, alternative);
                return std::nullopt;
            }
        },
        outcome);
}
