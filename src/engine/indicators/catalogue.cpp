#include "indicators/catalogue.h"

#include <unordered_map>
#include <vector>

#include "indicators/base_indicators.h"
#include "indicators/families.h"

namespace dlt {
namespace {

struct CatalogueData {
  std::vector<CatalogueEntry> entries;
  std::unordered_map<std::string_view, size_t> byKey;  // views into `entries`
};

const CatalogueData& Data() {
  static const CatalogueData data = [] {
    CatalogueData d;
    for (const BaseRow& b : BaseIndicators())
      d.entries.push_back(
          {{std::string(b.key), std::string(b.label), b.min, b.max}, {Family::Base, b.id}});
    for (CatalogueEntry& e : FamilyEntries()) d.entries.push_back(std::move(e));
    // Built after the vector is complete, so the views stay valid.
    for (size_t i = 0; i < d.entries.size(); ++i) d.byKey.emplace(d.entries[i].row.key, i);
    return d;
  }();
  return data;
}

}  // namespace

std::span<const CatalogueEntry> Catalogue() {
  return Data().entries;
}

const CatalogueEntry* FindCatalogueEntry(std::string_view key) {
  const CatalogueData& d = Data();
  const auto it = d.byKey.find(key);
  return it == d.byKey.end() ? nullptr : &d.entries[it->second];
}

bool LookupIndicator(std::string_view key, tsetaccostr& current) {
  current.key = std::string(key);
  const tsetaccostr* row = FindCatalogueRow(key);
  if (!row) return false;
  current = *row;
  return true;
}

}  // namespace dlt
