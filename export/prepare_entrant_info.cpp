// Loading, editing and saving the entrant information.
#include "export/export_context.h"
#include "export/settings_file.h"
#include "export/station_info_dialog.h"
#include "platform/platform.h"

namespace kvaro {
namespace {

class Settings {
 public:
  explicit Settings(Platform& platform) : platform_(platform) {}
  std::string Read(const char* key, const std::string& fallback = {}) {
    return platform_.ReadProfileString(kSettingsSection, key, fallback, kSettingsFile);
  }
  // The result is not looked at: a file that cannot be written keeps what
  // it held, and the next run finds that again.
  void Write(const char* key, const std::string& value) {
    platform_.WriteProfileString(kSettingsSection, key, value, kSettingsFile);
  }

 private:
  Platform& platform_;
};

}  // namespace

int ExportContext::PrepareEntrantInfo(const std::string& callsign, Platform& platform) {
  Settings settings(platform);
  station.callsign = callsign;
  fileBaseName = CabrilloFileBaseName(callsign);
  station.operators = settings.Read("Operators", callsign);
  station.name = settings.Read("Name");
  station.address = FromStoredForm(settings.Read("Address"));
  station.claimed = settings.Read("Claimed");
  station.contest = kContestName;
  station.category = kDefaultCategory;
  station.email = settings.Read("Email");
  station.club = settings.Read("Club");
  station.soapbox = FromStoredForm(settings.Read("SoapBox"));

  StationInfoDialog dialog;
  dialog.callsign = station.callsign;
  dialog.claimed = station.claimed;
  dialog.club = station.club;
  dialog.category = station.category;
  dialog.contest = station.contest;
  dialog.email = station.email;
  dialog.name = station.name;
  dialog.operators = station.operators;
  dialog.soapbox = station.soapbox;
  dialog.address = station.address;
  if (dialog.DoModal(platform) != kDialogOk) return 0;

  // The claimed score stays as the file has it, and the file name stays as
  // the host's callsign made it.
  station.callsign = dialog.callsign;
  station.operators = dialog.operators;
  station.category = dialog.category;
  station.name = dialog.name;
  station.address = ToStoredForm(dialog.address);
  station.contest = dialog.contest;
  station.email = dialog.email;
  station.club = dialog.club;
  station.soapbox = ToStoredForm(dialog.soapbox);

  settings.Write("Operators", ToSingleLine(station.operators));
  settings.Write("Name", ToSingleLine(station.name));
  settings.Write("Address", station.address);
  settings.Write("Category", ToSingleLine(station.category));
  settings.Write("Contest", ToSingleLine(station.contest));
  settings.Write("Email", ToSingleLine(station.email));
  settings.Write("Club", ToSingleLine(station.club));
  settings.Write("SoapBox", station.soapbox);

  station.soapbox = ToContinuationForm(station.soapbox, "SOAPBOX");
  station.address = ToContinuationForm(station.address, "ADDRESS");
  qsoLines.clear();
  return 1;
}

}  // namespace kvaro
