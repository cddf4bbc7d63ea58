// The host's side of the plug-in interface: the function types of the ten
// exports with their exact argument lists, as the host logger calls them.
#pragma once

#include "plugin/ole_date_time.h"

#if defined(_WIN32)
#define KVARO_CDECL __cdecl
#else
#define KVARO_CDECL
#endif

extern "C" {

using GetNumberOfSetsFn = int(KVARO_CDECL*)(void);
using GetSetNameFn = const char*(KVARO_CDECL*)(int setNumber);
using SetupSet0Fn = void(KVARO_CDECL*)(void);

using ResetStats0Fn = int(KVARO_CDECL*)(
    const char*, int exportFlag, const char* ownCall, COleDateTime* start, COleDateTime* end,
    const char*, const char*, const char*, const char*, const char*, const char*, const char*,
    const char*, const char*, const char* ownPrefix, int, int, int, double, double, const char*,
    const char* ownRegion, const char*);

// AddData0 and RemoveData0 take the same 33 arguments.
using ContactFn = int(KVARO_CDECL*)(
    const char*, const char* call, COleDateTime* time, COleDateTime*, COleDateTime*,
    COleDateTime*, unsigned int, unsigned int freqHz, const char* mode, const char* rstSent,
    const char* rstReceived, const char* exchgSent, const char* exchgReceived, const char*,
    const char*, const char*, const char*, const char*, const char*, const char*, const char*,
    const char*, const char* prefix, int, int, int, double, double, const char*,
    const char* region, const char*, const char* band, const char*);
using AddData0Fn = ContactFn;
using RemoveData0Fn = ContactFn;

using CheckCall0Fn = int(KVARO_CDECL*)(
    const char* call, unsigned int, unsigned int, const char* mode, const char*, const char*,
    const char*, const char*, const char*, const char*, const char*, const char*, const char*,
    const char* prefix, int, int, int, double, double, const char*, const char*, const char*,
    const char*, const char*, const char* band, const char*, char*, char*);

using GetExchgCount0Fn = int(KVARO_CDECL*)(const char*, const char*, const char*);
using IsValidExchg0Fn = int(KVARO_CDECL*)(const char* exchange, const char*, const char*,
                                          const char*, int, int, int);
using GetResult0Fn = const char*(KVARO_CDECL*)(int* result);

}  // extern "C"

namespace kvaro {

// Each export under its plain name and under the decorated name of its
// declaration; both lead to the same function.
struct ExportName {
  const char* plain;
  const char* decorated;
};

inline constexpr ExportName kExportNames[] = {
    {"GetNumberOfSets", "?GetNumberOfSets@@YAHXZ"},
    {"GetSetName", "?GetSetName@@YAPBDH@Z"},
    {"SetupSet0", "?SetupSet0@@YAXXZ"},
    {"ResetStats0", "?ResetStats0@@YAHPBDH0PAVCOleDateTime@@10000000000HHHNN000@Z"},
    {"AddData0", "?AddData0@@YAHPBD0PAVCOleDateTime@@111II000000000000000HHHNN00000@Z"},
    {"RemoveData0", "?RemoveData0@@YAHPBD0PAVCOleDateTime@@111II000000000000000HHHNN00000@Z"},
    {"CheckCall0", "?CheckCallFunc0@@YAHPBDII00000000000HHHNN0000000PAD1@Z"},
    {"GetExchgCount0", "?StatsGetExchgCount0@@YAHPBD00@Z"},
    {"IsValidExchg0", "?StatsIsValidExchg0@@YAHPBD000HHH@Z"},
    {"GetResult0", "?GetResult0@@YAPBDPAH@Z"},
};

}  // namespace kvaro
