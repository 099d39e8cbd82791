#pragma once

#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "generator/result_numbers.h"

namespace dlt {

// A seed from the clock, as the program seeds every pick; tests pass fixed seeds.
uint64_t ClockSeed();

// Five distinct numbers of 1..35, ascending, every combination equally likely.
Combo RandomCombo(std::mt19937_64& rng);
// Two distinct numbers of 1..12, ascending, every pair equally likely.
BackPair RandomBackPair(std::mt19937_64& rng);
// `count` independent combinations; two of them may coincide.
std::vector<Combo> RandomCombos(int count, std::mt19937_64& rng);

// The requested count of a pick from its edit: blank means 10; otherwise a
// number 0..capacity. nullopt with a message for anything else.
std::optional<int> PickCount(std::string_view text, int capacity, std::string* error);

// `count` random tickets (prize 0), the "机选组号" of the two-zone list;
// refused beyond the two-zone list's capacity.
std::optional<std::vector<Ticket>> RandomTickets(int count, std::mt19937_64& rng,
                                                 std::string* error);

}  // namespace dlt
