#include "tools/host/plugin_library.h"

namespace host {

PluginLibrary::~PluginLibrary() {
  if (module_) FreeLibrary(module_);
}

bool PluginLibrary::Load(const std::string& path, std::string& error) {
  module_ = LoadLibraryA(path.c_str());
  if (!module_) {
    error = "cannot load " + path + " (error " + std::to_string(GetLastError()) + ")";
    return false;
  }
  return true;
}

bool PluginLibrary::Resolve(std::vector<ExportResolution>& table, std::string& error) const {
  table.clear();
  bool complete = true;
  for (const kvaro::ExportName& name : kvaro::kExportNames) {
    ExportResolution r{name, GetProcAddress(module_, name.plain), GetProcAddress(module_, name.decorated)};
    if (!r.plain || !r.decorated || r.plain != r.decorated) {
      if (complete) error = std::string("export ") + name.plain + " does not resolve to one function under both names";
      complete = false;
    }
    table.push_back(r);
  }
  return complete;
}

PluginExports PluginLibrary::Exports(bool decoratedNames) const {
  const auto find = [&](int index) {
    const kvaro::ExportName& name = kvaro::kExportNames[index];
    return GetProcAddress(module_, decoratedNames ? name.decorated : name.plain);
  };
  // The order of kExportNames.
  PluginExports e;
  e.GetNumberOfSets = reinterpret_cast<GetNumberOfSetsFn>(find(0));
  e.GetSetName = reinterpret_cast<GetSetNameFn>(find(1));
  e.SetupSet0 = reinterpret_cast<SetupSet0Fn>(find(2));
  e.ResetStats0 = reinterpret_cast<ResetStats0Fn>(find(3));
  e.AddData0 = reinterpret_cast<AddData0Fn>(find(4));
  e.RemoveData0 = reinterpret_cast<RemoveData0Fn>(find(5));
  e.CheckCall0 = reinterpret_cast<CheckCall0Fn>(find(6));
  e.GetExchgCount0 = reinterpret_cast<GetExchgCount0Fn>(find(7));
  e.IsValidExchg0 = reinterpret_cast<IsValidExchg0Fn>(find(8));
  e.GetResult0 = reinterpret_cast<GetResult0Fn>(find(9));
  return e;
}

}  // namespace host
