#include "indicators/group_texts.h"

#include "common/numbers.h"

namespace dlt {
namespace {

constexpr std::string_view kSeparator = " | ";

// A group of one number is two characters; only longer ones are listed.
void AppendGroup(std::string& result, const std::string& group) {
  if (group.size() <= 2) return;
  result += group;
  result += kSeparator;
}

void AppendNumber(std::string& group, int n) {
  group += ',';
  group += TwoDigit(n);
}

void DropLastSeparator(std::string& result) {
  if (!result.empty()) result.resize(result.size() - kSeparator.size());
}

}  // namespace

std::string ConsecutiveNumberText(const Draw& d) {
  std::string result;
  std::string group = TwoDigit(d.front[0]);
  for (int k = 1; k < 5; ++k) {
    if (d.front[k] == d.front[k - 1] + 1) {
      AppendNumber(group, d.front[k]);
    } else {
      AppendGroup(result, group);
      group = TwoDigit(d.front[k]);
    }
  }
  AppendGroup(result, group);
  DropLastSeparator(result);
  return result;
}

std::string SameTailText(const Draw& d) {
  std::string result;
  for (int i = 0; i < 4; ++i) {
    std::string group = TwoDigit(d.front[i]);
    for (int j = i + 1; j < 5; ++j) {
      if (d.front[j] % 10 == d.front[i] % 10) AppendNumber(group, d.front[j]);
      // A group already listed (as itself or inside a longer one) ends this start.
      if (result.find(group) != std::string::npos) break;
    }
    AppendGroup(result, group);
  }
  DropLastSeparator(result);
  return result;
}

}  // namespace dlt
