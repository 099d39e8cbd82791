#include "generator/random_tickets.h"

#include <algorithm>
#include <chrono>
#include <numeric>

#include "common/numbers.h"
#include "common/text.h"
#include "generator/ticket_list.h"

namespace dlt {

uint64_t ClockSeed() {
  return static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
         static_cast<uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
}

Combo RandomCombo(std::mt19937_64& rng) {
  // A partial Fisher-Yates shuffle: exchanging each position with one of
  // the whole row would favour some combinations over others.
  std::array<uint8_t, kFrontMax> row;
  std::iota(row.begin(), row.end(), uint8_t{1});
  Combo c;
  for (int i = 0; i < 5; ++i) {
    std::uniform_int_distribution<int> pick(i, kFrontMax - 1);
    std::swap(row[static_cast<size_t>(i)], row[static_cast<size_t>(pick(rng))]);
    c[static_cast<size_t>(i)] = row[static_cast<size_t>(i)];
  }
  std::sort(c.begin(), c.end());
  return c;
}

BackPair RandomBackPair(std::mt19937_64& rng) {
  std::uniform_int_distribution<int> pick(0, kBackMax - 1);
  const int c = pick(rng);
  int d = pick(rng);
  while (d == c) d = pick(rng);
  return BackPair{static_cast<uint8_t>(std::min(c, d) + 1),
                  static_cast<uint8_t>(std::max(c, d) + 1)};
}

std::vector<Combo> RandomCombos(int count, std::mt19937_64& rng) {
  std::vector<Combo> combos;
  combos.reserve(static_cast<size_t>(std::max(0, count)));
  for (int i = 0; i < count; ++i) combos.push_back(RandomCombo(rng));
  return combos;
}

std::optional<int> PickCount(std::string_view text, int capacity, std::string* error) {
  text = TrimMaskedEdit(text);
  if (text.empty()) return 10;
  int64_t n = 0;
  for (const char ch : text) {
    if (ch < '0' || ch > '9' || n > capacity) {
      n = -1;
      break;
    }
    n = n * 10 + (ch - '0');
  }
  if (n < 0 || n > capacity) {
    if (error) *error = "注数必须是0到" + std::to_string(capacity) + "之间的整数";
    return std::nullopt;
  }
  return static_cast<int>(n);
}

std::optional<std::vector<Ticket>> RandomTickets(int count, std::mt19937_64& rng,
                                                 std::string* error) {
  if (count < 0 || count > kTicketListCapacity) {
    if (error) *error = "注数必须是0到" + std::to_string(kTicketListCapacity) + "之间的整数";
    return std::nullopt;
  }
  std::vector<Ticket> tickets;
  tickets.reserve(static_cast<size_t>(count));
  for (int i = 0; i < count; ++i) {
    const Combo front = RandomCombo(rng);
    tickets.push_back(Ticket{front, RandomBackPair(rng), 0});
  }
  return tickets;
}

}  // namespace dlt
