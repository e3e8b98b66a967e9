// Resource identifiers shared by quillet.rc and the program.
#pragma once

// The program's icon, "Sch-ord.ico" in the window definition.
#define QUILLET_ICON_RESOURCE "SCH-ORD_ICO"
