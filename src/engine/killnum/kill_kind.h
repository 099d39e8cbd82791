#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "common/draw.h"

namespace dlt {

// What a formula of a scheme names: a number to kill or to keep in the
// front or back zone, or (custom kill) a value of an indicator to kill.
enum class KillKind { FrontKill, BackKill, FrontBanker, BackBanker, Custom };

inline bool IsBanker(KillKind k) {
  return k == KillKind::FrontBanker || k == KillKind::BackBanker;
}
inline bool IsFrontZone(KillKind k) {
  return k == KillKind::FrontKill || k == KillKind::FrontBanker;
}

// The kind's name in the scheme files and on the command line:
// hmsh, lmsh, hmtd, fqtd (custom: "selfsh").
const char* SchemeFileStem(KillKind k);
// front, back, front-banker, back-banker; nullopt for any other text.
std::optional<KillKind> KillKindFromName(std::string_view name);

// The drawn numbers of a zone as a bit set (bit n for number n).
uint64_t ZoneMask(KillKind k, const Draw& d);
inline bool InMask(uint64_t mask, int32_t v) {
  return v >= 0 && v < 64 && ((mask >> v) & 1u) != 0;
}

// Whether a formula's value holds at a draw of a number zone: a kill holds
// when the number was not drawn, a banker when it was.
inline bool HoldsInZone(KillKind k, uint64_t drawnMask, int32_t v) {
  return InMask(drawnMask, v) == IsBanker(k);
}

}  // namespace dlt
