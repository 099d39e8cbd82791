#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "killnum/kill_kind.h"

namespace dlt {

class ConditionSet;

// A prediction handed to the generator's conditions ("预测转至过滤"): kill
// lists leave the pool of their zone, banker lists become its bankers, and
// a list of killed values of an indicator becomes a custom condition that
// allows the values of interest the list does not kill.
struct KillTransfer {
  KillKind kind = KillKind::FrontKill;
  std::vector<int32_t> list;  // the numbers or values, ascending
  std::string indicator;      // Custom: the key or formula
  int64_t from = 0, to = 0;   // Custom: the values of interest
};

// Applies the transfer to the set. False with the message when the set
// refuses it; too many bankers are refused before the set is touched (the
// set's own refusal would clear the bankers already chosen).
bool ApplyKillTransfer(ConditionSet& set, const KillTransfer& transfer, std::string* error);

}  // namespace dlt
