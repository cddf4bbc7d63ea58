#include "export/data_exchange.h"

namespace kvaro {

void DataExchange::Text(int id, std::string& field) {
  if (direction_ == FromControls) {
    field = controls_.Text(id);
  } else {
    controls_.SetText(id, field);
  }
}

void DataExchange::ComboString(int id, std::string& field) {
  if (direction_ == FromControls) {
    field = controls_.Text(id);
  } else if (!controls_.SelectComboItem(id, field)) {
    controls_.SetText(id, field);
  }
}

}  // namespace kvaro
