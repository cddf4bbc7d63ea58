// One stored contact, and the Greek-prefix test that the whole plug-in shares.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "plugin/ole_date_time.h"

namespace kvaro {

// "SV", "SV5" and "SV9" exactly: case-sensitive, whole text.
bool IsGreekPrefix(std::string_view prefix);

// The texts of a contact as the host hands them over.
struct ContactTexts {
  std::string_view call, prefix, region, band, mode, rstReceived, rstSent, exchgReceived, exchgSent;
};

// A contact as the log stores it: its nine texts lie one after the other in
// the log's text store, and the record keeps where each ends.
class QsoRecord {
 public:
  std::string_view call() const { return Text(0); }
  std::string_view prefix() const { return Text(1); }
  std::string_view region() const { return Text(2); }
  std::string_view band() const { return Text(3); }
  std::string_view mode() const { return Text(4); }
  std::string_view rstReceived() const { return Text(5); }
  std::string_view rstSent() const { return Text(6); }
  std::string_view exchgReceived() const { return Text(7); }
  std::string_view exchgSent() const { return Text(8); }

  // The callsign when the worked station is Greek, else empty. It follows from
  // the stored prefix, so it is not stored a second time.
  std::string_view greekCall() const { return IsGreekPrefix(prefix()) ? call() : std::string_view{}; }

  std::uint32_t freqKhz = 0;  // the host's frequency in Hz, divided by 1000
  COleDateTime time;

  // The log's numbers of the band, prefix and region texts, and the mode.
  enum Mode : std::uint8_t { OtherMode, Cw, Ssb, Rtty };
  std::uint32_t bandId() const { return bandId_; }
  std::uint32_t prefixId() const { return prefixId_; }
  std::uint32_t regionId() const { return regionId_; }
  Mode modeCode() const { return modeCode_; }

 private:
  friend class QsoLog;
  static constexpr std::size_t kTexts = 9;

  std::string_view Text(std::size_t i) const {
    const std::uint32_t begin = i == 0 ? 0 : ends_[i - 1];
    return {texts_ + begin, ends_[i] - begin};
  }

  const char* texts_ = nullptr;
  std::array<std::uint32_t, kTexts> ends_{};
  std::uint32_t bandId_ = 0, prefixId_ = 0, regionId_ = 0;
  Mode modeCode_ = OtherMode;
};

}  // namespace kvaro
