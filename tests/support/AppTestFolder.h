#pragma once

#include "app/AppContext.h"
#include "support/TestFolder.h"

// A temporary program folder with the application's context over it.
using AppTestFolder = BasicTestFolder<AppContext>;
