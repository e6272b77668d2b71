#pragma once

// The platform services the core needs, as small adapters with plain
// implementations: the application folder, the regional settings and the
// registered owner of the system.
#include "persistence/app_folder.h"
#include "persistence/regional_settings.h"
#include "persistence/system_owner.h"
