// The native exports called as the host calls them, with distinct junk in
// every argument that must not matter.
#pragma once

#include <string>

#include "plugin/exports.h"

namespace kvaro::test {

inline const char* J(int n) {
  static std::string junk[40];
  junk[n] = "junk-" + std::to_string(n);
  return junk[n].c_str();
}

inline COleDateTime g_junkDate{12345.5, COleDateTime::invalid};

inline int Reset(int exportFlag, const char* call, double start, double end, const char* prefix,
                 const char* region) {
  COleDateTime s{start, COleDateTime::valid}, e{end, COleDateTime::valid};
  return ResetStats0(J(1), exportFlag, call, &s, &e, J(6), J(7), J(8), J(9), J(10), J(11), J(12),
                     J(13), J(14), prefix, 16, 17, 18, 19.5, 20.5, J(21), region, J(23));
}

inline int Contact(ContactFn fn, const char* call, const char* mode, const char* prefix, const char* region,
                   const char* band, const char* exchgSent = "001", const char* exchgReceived = "002") {
  COleDateTime time{41440.5, COleDateTime::valid};
  return fn(J(1), call, &time, &g_junkDate, &g_junkDate, &g_junkDate, 7u, 14025000u, mode, "599",
            "599", exchgSent, exchgReceived, J(14), J(15), J(16), J(17), J(18), J(19), J(20), J(21), J(22),
            prefix, 24, 25, 26, 27.5, 28.5, J(29), region, J(31), band, J(33));
}

inline int Check(const char* call, const char* mode, const char* prefix, const char* band, char* b27,
                 char* b28) {
  return CheckCall0(call, 2u, 3u, mode, J(5), J(6), J(7), J(8), J(9), J(10), J(11), J(12), J(13),
                    prefix, 15, 16, 17, 18.5, 19.5, J(20), J(21), J(22), J(23), J(24), band, J(26),
                    b27, b28);
}

}  // namespace kvaro::test
