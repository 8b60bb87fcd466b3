#include "app/settings.h"

namespace app {

SettingsRecord Settings;

}  // namespace app
