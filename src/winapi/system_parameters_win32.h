// The system-wide drag-full-windows setting.
#pragma once

#include <cstdint>

namespace quillet {

// SPI_GETDRAGFULLWINDOWS; 0 when the system does not answer.
std::int32_t ReadDragFullWindows();
// SPI_SETDRAGFULLWINDOWS with the new value as parameter, written to the
// user's profile and broadcast. scratch is handed over as the call's pointer.
void WriteDragFullWindows(std::uint32_t on, std::int32_t& scratch);

}  // namespace quillet
