// The main window as data: "Quillet Switch" with its four buttons.
#pragma once

#include "window/window_definition.h"

namespace quillet {

const WindowDefinition& MainWindowDefinition();

}  // namespace quillet
