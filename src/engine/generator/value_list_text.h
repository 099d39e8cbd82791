#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "generator/value_set.h"

namespace dlt {

// Texts of value sets and number lists, as the window shows them and as the
// command line takes them.

// The read-only value edit e_<stem>: every value in decimal followed by two
// blanks ("0  2  3  "); empty for an empty set.
std::string ValueEditText(const ValueSet& values);

// The pool and banker memos (m_zqkxhm, m_zqdm, m_fqkxhm, m_fqdm): two-digit
// numbers each followed by two blanks ("01  02  35  ").
std::string NumberMemoText(std::span<const int> numbers);

// Compact form for the command line and messages: runs of three or more
// consecutive values as ranges ("0,2-4,7").
std::string ValueListText(const ValueSet& values);

// Parses integers and ranges separated by commas (ASCII or "，") or blanks:
// "2,3", "80-120", "0,2-4", "1 - 3", also the edit form "0  2  3  ". Negative
// values are not taken (a "-" is a range). Empty text gives an empty set.
// Errors (with a message): a malformed item, a comma with no value before
// it ("1,,2", "1,"), a range whose start exceeds its end, a value beyond 32
// bits, more than 2001 values. The windows and the command line both read
// lists with it.
std::optional<ValueSet> ParseValueList(std::string_view text, std::string* error = nullptr);

// The same for a list of numbers that must lie within lo..hi (pool, bankers,
// number groups, tail digits); ascending, distinct.
std::optional<std::vector<int>> ParseNumberList(std::string_view text, int lo, int hi,
                                                std::string* error = nullptr);

}  // namespace dlt
