#include "model/display_settings.h"

namespace {
const DisplaySettings* installed = nullptr;
}

void installDisplaySettings(const DisplaySettings* settings)
{
    installed = settings;
}

const DisplaySettings& displaySettings()
{
    static const FixedDisplaySettings none;
    return installed ? *installed : none;
}
