// Declarations of the ten exports, from the function types the host calls
// them through, so that the two can never drift apart.
#pragma once

#include <type_traits>

#include "plugin/host_interface.h"

#if defined(_WIN32)
#define KVARO_API  // exported through the module definition file
#else
#define KVARO_API __attribute__((visibility("default")))
#endif

extern "C" {
KVARO_API std::remove_pointer_t<GetNumberOfSetsFn> GetNumberOfSets;
KVARO_API std::remove_pointer_t<GetSetNameFn> GetSetName;
KVARO_API std::remove_pointer_t<SetupSet0Fn> SetupSet0;
KVARO_API std::remove_pointer_t<ResetStats0Fn> ResetStats0;
KVARO_API std::remove_pointer_t<AddData0Fn> AddData0;
KVARO_API std::remove_pointer_t<RemoveData0Fn> RemoveData0;
KVARO_API std::remove_pointer_t<CheckCall0Fn> CheckCall0;
KVARO_API std::remove_pointer_t<GetExchgCount0Fn> GetExchgCount0;
KVARO_API std::remove_pointer_t<IsValidExchg0Fn> IsValidExchg0;
KVARO_API std::remove_pointer_t<GetResult0Fn> GetResult0;
}
