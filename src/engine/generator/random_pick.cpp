#include "generator/random_pick.h"

#include <algorithm>
#include <utility>

#include "generator/random_tickets.h"

namespace dlt {

std::vector<FrontRecord> PureRandomRecords(int count, std::mt19937_64& rng) {
  std::vector<FrontRecord> records;
  for (const Combo& c : RandomCombos(std::max(0, count), rng)) records.push_back({c, 0});
  return records;
}

void KeepRandomRecords(std::vector<FrontRecord>& records, int count, std::mt19937_64& rng) {
  // Fisher-Yates from the end: exchanging every position with one drawn from
  // the whole list would make some orders likelier than others.
  for (size_t j = records.size(); j > 1; --j) {
    std::uniform_int_distribution<size_t> pick(0, j - 1);
    std::swap(records[j - 1], records[pick(rng)]);
  }
  if (count < 0) count = 0;
  if (records.size() > static_cast<size_t>(count)) records.resize(static_cast<size_t>(count));
}

}  // namespace dlt
