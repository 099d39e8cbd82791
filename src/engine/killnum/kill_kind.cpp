#include "killnum/kill_kind.h"

namespace dlt {

const char* SchemeFileStem(KillKind k) {
  switch (k) {
    case KillKind::FrontKill:
      return "hmsh";
    case KillKind::BackKill:
      return "lmsh";
    case KillKind::FrontBanker:
      return "hmtd";
    case KillKind::BackBanker:
      return "fqtd";
    case KillKind::Custom:
      return "selfsh";
  }
  return "";
}

std::optional<KillKind> KillKindFromName(std::string_view name) {
  if (name == "front") return KillKind::FrontKill;
  if (name == "back") return KillKind::BackKill;
  if (name == "front-banker") return KillKind::FrontBanker;
  if (name == "back-banker") return KillKind::BackBanker;
  return std::nullopt;
}

uint64_t ZoneMask(KillKind k, const Draw& d) {
  uint64_t mask = 0;
  if (IsFrontZone(k)) {
    for (uint8_t n : d.front) mask |= uint64_t{1} << n;
  } else {
    for (uint8_t n : d.back) mask |= uint64_t{1} << n;
  }
  // The virtual draw has no numbers: its zeros are no drawn number.
  return mask & ~uint64_t{1};
}

}  // namespace dlt
