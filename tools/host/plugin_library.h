// Loads KVARO.dll as the host logger does and resolves its exports.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "plugin/host_interface.h"

namespace host {

struct PluginExports {
  GetNumberOfSetsFn GetNumberOfSets = nullptr;
  GetSetNameFn GetSetName = nullptr;
  SetupSet0Fn SetupSet0 = nullptr;
  ResetStats0Fn ResetStats0 = nullptr;
  AddData0Fn AddData0 = nullptr;
  RemoveData0Fn RemoveData0 = nullptr;
  CheckCall0Fn CheckCall0 = nullptr;
  GetExchgCount0Fn GetExchgCount0 = nullptr;
  IsValidExchg0Fn IsValidExchg0 = nullptr;
  GetResult0Fn GetResult0 = nullptr;
};

// How one export resolved under its two names.
struct ExportResolution {
  kvaro::ExportName name;
  FARPROC plain = nullptr;
  FARPROC decorated = nullptr;
};

class PluginLibrary {
 public:
  // Loads the library; `error` says why when it returns false.
  bool Load(const std::string& path, std::string& error);
  ~PluginLibrary();

  // Both names of every export; false with a reason unless all resolve, each
  // pair to one address.
  bool Resolve(std::vector<ExportResolution>& table, std::string& error) const;

  // The function pointers, taken under the plain or the decorated names.
  PluginExports Exports(bool decoratedNames) const;

  HMODULE module() const { return module_; }

 private:
  HMODULE module_ = nullptr;
};

}  // namespace host
