#include "app/HallPage.h"

#include "app/AppContext.h"

// The one place that decides which names the hall sees: the entrants' list
// and its privacy choice, once the program keeps them.
EntrantNameLookup HallEntrantNames(AppContext&)
{
    return [](int) { return std::optional<QString>(); };
}
