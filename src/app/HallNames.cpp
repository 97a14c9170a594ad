#include "app/HallPage.h"

#include "app/AppContext.h"
#include "widgets/EntrantNames.h"

#include <memory>

// The one place that decides which names the hall sees: the entrants' list,
// read when a snapshot is built, as the operator's privacy choice allows.
HallNameSource HallEntrantNames(AppContext& context)
{
    return [&context] {
        auto roster = std::make_shared<const EntrantRoster>(ReadHallNames(context));
        return EntrantNameLookup([roster](int entryNo) -> std::optional<QString> {
            const EntrantName* entrant = roster->Find(entryNo);
            return entrant ? std::optional<QString>(entrant->Name) : std::nullopt;
        });
    };
}
