#include "history/manual_entry.h"

#include <algorithm>
#include <charconv>
#include <vector>

#include "common/text.h"

namespace dlt {
namespace {

constexpr const char* kQsMessage = "期数必须是七位比如2009001";

bool Blank(std::string_view s) {
  return std::all_of(s.begin(), s.end(), [](char c) { return c == ' ' || c == '-' || c == '_'; });
}

std::optional<int64_t> Decimal(std::string_view s) {
  return IntegerOfText<int64_t>(TrimMaskedEdit(s));
}

// The seven-character draw number; nullopt (with the message) otherwise.
std::optional<int64_t> DrawNumber(std::string_view qsText, std::string* message) {
  const std::string_view qs = TrimMaskedEdit(qsText);
  auto v = Decimal(qs);
  if (qs.size() != 7 || !v) {
    if (message) *message = kQsMessage;
    return std::nullopt;
  }
  return v;
}

template <size_t N>
bool SplitNumbers(std::string_view text, std::array<int64_t, N>& out) {
  std::vector<std::string_view> pieces;
  size_t from = 0;
  for (;;) {
    const size_t dash = text.find('-', from);
    pieces.push_back(text.substr(from, dash == std::string_view::npos ? text.npos : dash - from));
    if (dash == std::string_view::npos) break;
    from = dash + 1;
  }
  if (pieces.size() != N) return false;
  for (size_t i = 0; i < N; ++i) {
    auto v = Decimal(pieces[i]);
    if (!v) return false;
    out[i] = *v;
  }
  return true;
}

}  // namespace

std::optional<Draw> ParseManualEntry(std::string_view qsText, std::string_view frontText,
                                     std::string_view backText, std::string* message) {
  const auto qs = DrawNumber(qsText, message);
  if (!qs) return std::nullopt;
  if (Blank(backText)) {
    if (message) *message = "请输入副号";
    return std::nullopt;
  }
  std::array<int64_t, 5> front{};
  std::array<int64_t, 2> back{};
  if (!SplitNumbers(frontText, front)) {
    if (message) *message = "请输入五个主号";
    return std::nullopt;
  }
  if (!SplitNumbers(backText, back)) {
    if (message) *message = "请输入两个副号";
    return std::nullopt;
  }
  return ValidateDraw(*qs, front, back, message);
}

void DrawEntryBoard::Reset() {
  front_.fill(false);
  back_.fill(false);
  slots_.fill(0);
  nextSlot_ = 1;
}

bool DrawEntryBoard::MarkedFront(int number) const {
  return number >= 1 && number <= kCells && front_[number];
}

bool DrawEntryBoard::MarkedBack(int number) const {
  return number >= 1 && number <= kCells && back_[number];
}

bool DrawEntryBoard::Click(int number) {
  if (number < 1 || number > kCells || Complete()) return false;
  if (FrontPhase()) {
    if (number > 35 || front_[number]) return false;
    front_[number] = true;
  } else {
    if (number > 12 || back_[number]) return false;
    back_[number] = true;
  }
  Refill();
  return true;
}

void DrawEntryBoard::Refill() {
  slots_.fill(0);
  int f = 0;
  for (int n = 1; n <= kCells; ++n)
    if (front_[n]) slots_[f++] = n;
  int b = 0;
  for (int n = 1; n <= kCells; ++n)
    if (back_[n]) slots_[5 + b++] = n;
  nextSlot_ = f < 5 ? f + 1 : 6 + b;
}

std::optional<Draw> DrawEntryBoard::ToDraw(std::string_view qsText, std::string* message) const {
  const auto qs = DrawNumber(qsText, message);
  if (!qs) return std::nullopt;
  if (!Complete()) {
    if (message) *message = "本彩票中，添加的开奖数据不能少于7个";
    return std::nullopt;
  }
  return ValidateDraw(*qs, {slots_[0], slots_[1], slots_[2], slots_[3], slots_[4]},
                      {slots_[5], slots_[6]}, message);
}

}  // namespace dlt
