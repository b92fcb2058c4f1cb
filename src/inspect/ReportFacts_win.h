// Reads what the information report shows about a window into the report's plain structs.
#pragma once

#include <windows.h>

#include "inspect/DimensionsReport.h"
#include "inspect/UserInfoReport.h"

namespace zorbel {

UserInfoFacts gatherUserInfoFacts(HWND window);
DimensionsFacts gatherDimensionsFacts(HWND window);

} // namespace zorbel
