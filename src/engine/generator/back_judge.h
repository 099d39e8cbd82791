#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "generator/front_judge.h"

namespace dlt {

// A back pair (smaller first).
using BackPair = std::array<uint8_t, 2>;

// Judges back pairs against the eight back conditions of setup.set->Back()
// with its tolerance limit (failures <= limit when the limit box is on).
// lastMark is the number (1..8) of the last tolerated back condition.
class BackJudge {
 public:
  virtual ~BackJudge() = default;
  virtual Verdict Judge(const BackPair& pair) const = 0;
};
std::unique_ptr<BackJudge> MakeBackJudge(const JudgeSetup& setup);

}  // namespace dlt
