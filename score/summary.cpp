#include "score/summary.h"

#include <optional>
#include <string>
#include <vector>

#include "score/band_order.h"
#include "score/tally.h"

namespace kvaro {
namespace {

void AppendNumber(std::string& out, std::int64_t value) {
  out += std::to_string(ClampToInt32(value));
}

// "\t %i" for each of the seven columns, then the line end.
void AppendColumns(std::string& out, std::int64_t first, const BandFigures& f) {
  for (std::int64_t v : {first, f.points, f.cw, f.ssb, f.rtty, f.dxcc, f.greece}) {
    out += "\t ";
    AppendNumber(out, v);
  }
  out += "\r\n";
}

}  // namespace

Summary BuildSummary(const SummaryTitle& title, const OwnStation& own, const QsoLog& log,
                     BandList& bands) {
  Summary summary;
  std::string& text = summary.text;
  text += "\t TRIATHLON-DX-CONTEST  ";
  text += title.startDayMonth;
  text += '-';
  text += title.endDate;
  text += " \r\n\t\tContestant: ";
  text += title.contestant;
  text += "\r\nBand\tQSOs\tPoints\tCW\tSSB\tRTTY\tDXCC\tGreece\r\n";

  OrderBands(bands);

  // What decides a contact's figures is worked out once per band, prefix
  // and region; one walk over the log then only adds numbers. A record
  // counts on the band whose label equals its own, and only with a callsign.
  constexpr std::size_t kNoRow = static_cast<std::size_t>(-1);
  std::vector<std::optional<std::uint32_t>> bandOfRow(bands.size());
  std::vector<std::size_t> rowOfBand(log.bands().size(), kNoRow);
  for (std::size_t row = 0; row < bands.size(); ++row) {
    bandOfRow[row] = log.bands().Find(bands[row]);
    if (bandOfRow[row]) rowOfBand[*bandOfRow[row]] = row;
  }
  struct PrefixFacts {
    bool greek, own;
  };
  std::vector<PrefixFacts> prefixFacts(log.prefixes().size());
  for (std::uint32_t id = 0; id < prefixFacts.size(); ++id) {
    const std::string_view prefix = log.prefixes().Text(id);
    prefixFacts[id] = {IsGreekPrefix(prefix), prefix == own.prefix};
  }
  std::vector<bool> ownRegion(log.regions().size());
  for (std::uint32_t id = 0; id < ownRegion.size(); ++id) ownRegion[id] = log.regions().Text(id) == own.region;

  std::vector<BandFigures> figures(bands.size());
  for (const QsoRecord& record : log) {
    if (record.call().empty()) continue;
    const std::size_t row = rowOfBand[record.bandId()];
    if (row == kNoRow) continue;
    BandFigures& f = figures[row];
    ++f.qsos;
    f.cw += record.modeCode() == QsoRecord::Cw;
    f.ssb += record.modeCode() == QsoRecord::Ssb;
    f.rtty += record.modeCode() == QsoRecord::Rtty;
    const PrefixFacts p = prefixFacts[record.prefixId()];
    f.points += ContactPoints(own.greek, p.greek, p.own, ownRegion[record.regionId()]);
    f.greece += p.greek;
  }
  // Distinct prefixes and Greek callsigns per band are kept by the log.
  for (std::size_t row = 0; row < bands.size(); ++row) {
    if (!bandOfRow[row]) continue;
    const QsoLog::BandDistinct d = log.Distinct(*bandOfRow[row]);
    figures[row].dxcc = d.prefixes;
    figures[row].greekStations = d.greekCalls;
  }

  BandFigures totals;
  for (std::size_t i = 0; i < bands.size(); ++i) {
    const BandFigures& f = figures[i];
    text += bands[i];
    AppendColumns(text, f.qsos, f);
    totals += f;
  }
  text += "Total";
  AppendColumns(text, static_cast<std::int64_t>(log.size()), totals);

  // The score multiplies the totals as the rows show them.
  const std::int32_t points = ClampToInt32(totals.points);
  const std::int32_t dxcc = ClampToInt32(totals.dxcc);
  const std::int32_t greekStations = ClampToInt32(totals.greekStations);
  summary.score = ClampToInt32(std::int64_t{points} * (std::int64_t{dxcc} + greekStations));
  text += "Score: " + std::to_string(points) + "*(" + std::to_string(dxcc) + "+" +
          std::to_string(greekStations) + ") = " + std::to_string(summary.score);
  return summary;
}

}  // namespace kvaro
