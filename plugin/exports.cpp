// The ten exports. Each one only translates the host's arguments into a call
// of the module-wide Plugin; no C++ exception ever crosses into the host.
#include "plugin/exports.h"

#include <type_traits>

#include "log/exchange_rule.h"
#include "platform/platform.h"
#include "plugin/plugin.h"

namespace {

kvaro::Plugin g_plugin{kvaro::NativePlatform()};

// Runs `body`; if it throws, the host gets `fallback` instead.
template <typename T, typename Body>
T Guarded(T fallback, Body body) noexcept {
  try {
    return body();
  } catch (...) {
    return fallback;
  }
}

kvaro::ContactArgs Contact(const char* call, COleDateTime* time, unsigned int freqHz,
                           const char* mode, const char* rstSent, const char* rstReceived,
                           const char* exchgSent, const char* exchgReceived, const char* prefix,
                           const char* region, const char* band) {
  return {call, time, freqHz, mode, rstSent, rstReceived, exchgSent, exchgReceived,
          prefix, region, band};
}

}  // namespace

extern "C" {

KVARO_API int KVARO_CDECL GetNumberOfSets(void) { return 1; }

KVARO_API const char* KVARO_CDECL GetSetName(int setNumber) {
  return setNumber == 0 ? kvaro::kSetName : "";
}

KVARO_API void KVARO_CDECL SetupSet0(void) {
  Guarded(0, [] {
    g_plugin.Setup();
    return 0;
  });
}

KVARO_API int KVARO_CDECL ResetStats0(const char*, int exportFlag, const char* ownCall,
                                      COleDateTime* start, COleDateTime* end, const char*,
                                      const char*, const char*, const char*, const char*,
                                      const char*, const char*, const char*, const char*,
                                      const char* ownPrefix, int, int, int, double, double,
                                      const char*, const char* ownRegion, const char*) {
  return Guarded(1, [&] {
    return g_plugin.ResetStats({exportFlag, ownCall, start, end, ownPrefix, ownRegion});
  });
}

KVARO_API int KVARO_CDECL AddData0(const char*, const char* call, COleDateTime* time,
                                   COleDateTime*, COleDateTime*, COleDateTime*, unsigned int,
                                   unsigned int freqHz, const char* mode, const char* rstSent,
                                   const char* rstReceived, const char* exchgSent,
                                   const char* exchgReceived, const char*, const char*,
                                   const char*, const char*, const char*, const char*,
                                   const char*, const char*, const char*, const char* prefix,
                                   int, int, int, double, double, const char*,
                                   const char* region, const char*, const char* band,
                                   const char*) {
  return Guarded(1, [&] {
    return g_plugin.AddData(Contact(call, time, freqHz, mode, rstSent, rstReceived, exchgSent,
                                    exchgReceived, prefix, region, band));
  });
}

KVARO_API int KVARO_CDECL RemoveData0(const char*, const char* call, COleDateTime*,
                                      COleDateTime*, COleDateTime*, COleDateTime*, unsigned int,
                                      unsigned int, const char* mode, const char*, const char*,
                                      const char* exchgSent, const char* exchgReceived,
                                      const char*, const char*, const char*, const char*,
                                      const char*, const char*, const char*, const char*,
                                      const char*, const char*, int, int, int, double, double,
                                      const char*, const char*, const char*, const char* band,
                                      const char*) {
  // Only the callsign, mode, band and the two exchanges matter for a removal.
  return Guarded(1, [&] {
    return g_plugin.RemoveData(Contact(call, nullptr, 0, mode, nullptr, nullptr, exchgSent,
                                       exchgReceived, nullptr, nullptr, band));
  });
}

KVARO_API int KVARO_CDECL CheckCall0(const char* call, unsigned int, unsigned int,
                                     const char* mode, const char*, const char*, const char*,
                                     const char*, const char*, const char*, const char*,
                                     const char*, const char*, const char* prefix, int, int, int,
                                     double, double, const char*, const char*, const char*,
                                     const char*, const char*, const char* band, const char*,
                                     char*, char*) {
  return Guarded(2, [&] { return static_cast<int>(g_plugin.CheckCall(call, mode, prefix, band)); });
}

KVARO_API int KVARO_CDECL GetExchgCount0(const char*, const char*, const char*) { return 1; }

KVARO_API int KVARO_CDECL IsValidExchg0(const char* exchange, const char*, const char*,
                                        const char*, int, int, int) {
  return Guarded(0, [&] { return kvaro::IsValidExchange(exchange ? exchange : "") ? 1 : 0; });
}

KVARO_API const char* KVARO_CDECL GetResult0(int* result) {
  return Guarded<const char*>("", [&] { return g_plugin.GetResult(result); });
}

}  // extern "C"

// The definitions above must keep the exact argument lists the host calls with.
static_assert(std::is_same_v<decltype(&GetNumberOfSets), GetNumberOfSetsFn>);
static_assert(std::is_same_v<decltype(&GetSetName), GetSetNameFn>);
static_assert(std::is_same_v<decltype(&SetupSet0), SetupSet0Fn>);
static_assert(std::is_same_v<decltype(&ResetStats0), ResetStats0Fn>);
static_assert(std::is_same_v<decltype(&AddData0), AddData0Fn>);
static_assert(std::is_same_v<decltype(&RemoveData0), RemoveData0Fn>);
static_assert(std::is_same_v<decltype(&CheckCall0), CheckCall0Fn>);
static_assert(std::is_same_v<decltype(&GetExchgCount0), GetExchgCount0Fn>);
static_assert(std::is_same_v<decltype(&IsValidExchg0), IsValidExchg0Fn>);
static_assert(std::is_same_v<decltype(&GetResult0), GetResult0Fn>);
