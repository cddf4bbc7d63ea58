#include "score/summary.h"

#include <string>
#include <unordered_map>
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

  // One walk over the log feeds every band's tally; a record counts on the
  // band whose label equals its own, and only with a callsign.
  std::unordered_map<std::string_view, std::size_t> bandIndex;
  bandIndex.reserve(bands.size());
  for (std::size_t i = 0; i < bands.size(); ++i) bandIndex.emplace(bands[i], i);
  std::vector<BandTally> tallies(bands.size());
  for (const QsoRecord& record : log) {
    if (record.call().empty()) continue;
    const auto it = bandIndex.find(record.band());
    if (it != bandIndex.end()) tallies[it->second].Count(record, own);
  }

  BandFigures totals;
  for (std::size_t i = 0; i < bands.size(); ++i) {
    const BandFigures& f = tallies[i].figures();
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
