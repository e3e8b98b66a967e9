#include "winapi/system_parameters_win32.h"

#include <windows.h>

namespace quillet {

std::int32_t ReadDragFullWindows() {
    std::int32_t setting = 0;
    SystemParametersInfoA(SPI_GETDRAGFULLWINDOWS, 0, &setting, 0);
    return setting;
}

void WriteDragFullWindows(std::uint32_t on, std::int32_t& scratch) {
    SystemParametersInfoA(SPI_SETDRAGFULLWINDOWS, on, &scratch, SPIF_UPDATEINIFILE | SPIF_SENDCHANGE);
}

}  // namespace quillet
