#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "indicators/indicator_id.h"

namespace dlt {

// A catalogue row: key, label, and the range that axes and pickers use (a
// value may lie outside it).
struct tsetaccostr {
  std::string key;
  std::string label;
  int32_t min = 0;
  int32_t max = 0;
  bool operator==(const tsetaccostr&) const = default;
};

// A row with the id its key resolves to.
struct CatalogueEntry {
  tsetaccostr row;
  IndicatorRef ref;
};

// Every row in catalogue order: the front zone, the eight small/big sums,
// the lines, the back zone, then the amplitude, omission, global omission
// and omission-amplitude families.
std::span<const CatalogueEntry> Catalogue();

// The row of a key without touching any current record; null for a key that
// is not a catalogue row.
const CatalogueEntry* FindCatalogueEntry(std::string_view key);
inline const tsetaccostr* FindCatalogueRow(std::string_view key) {
  const CatalogueEntry* e = FindCatalogueEntry(key);
  return e ? &e->row : nullptr;
}

// The current-indicator lookup: always takes the key; takes label and range
// only from a catalogue row, so an unknown key keeps those of the previous
// lookup. Returns whether the key is a catalogue row.
bool LookupIndicator(std::string_view key, tsetaccostr& current);

}  // namespace dlt
