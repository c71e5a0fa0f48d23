#pragma once
// Every subsystem with record appliers has one core function
//     void RegisterXxxAppliers(TApplierTable &table);
// and names it in its CMakeLists.txt:
//     set_property(GLOBAL APPEND PROPERTY VELLUMI_APPLIER_REGISTRARS RegisterXxxAppliers)
// The build generates RegisterAllAppliers, which calls all of them, so the
// history code includes none of their headers. The window and vellumi-cli
// both fill their table with it.

#include "history/ReplayEngine.h"

void RegisterAllAppliers(TApplierTable &table);
