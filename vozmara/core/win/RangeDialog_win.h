// The modal window 设置范围 on Win32.
#pragma once

#include <windows.h>

#include <memory>

#include "vozmara/core/Platform.h"
#include "vozmara/core/RangeWindow.h"

namespace voz::core::win {

std::unique_ptr<RangeDialog> CreateRangeDialog(HWND owner, HINSTANCE instance, Settings& settings);

}  // namespace voz::core::win
