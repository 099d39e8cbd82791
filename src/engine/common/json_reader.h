#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dlt {

// One value of a JSON text. Numbers keep their literal text, so a reader
// decides itself what range and form it accepts.
struct JsonValue {
  enum class Kind { Null, Bool, Number, String, Array, Object };

  Kind kind = Kind::Null;
  bool boolean = false;
  std::string text;               // a string's characters (UTF-8), a number's literal
  std::vector<std::string> keys;  // an object's member names, in order
  std::vector<JsonValue> items;   // an array's elements; an object's values, beside `keys`

  bool Is(Kind k) const { return kind == k; }
  // The member of an object by name; nullptr when absent or not an object.
  const JsonValue* Member(std::string_view key) const;
};

// What a text from outside may cost: answers past these are refused rather
// than read (nesting is read by recursion; every value costs memory).
struct JsonLimits {
  int maxDepth = 64;
  size_t maxValues = 200000;
};

// Reads a JSON text strictly (RFC 8259): one value with optional white space
// around it, UTF-8 only, no comments, no trailing commas, no duplicate member
// names, no lone surrogates, numbers in the standard form. nullopt with the
// reason and its byte position otherwise.
std::optional<JsonValue> ParseJson(std::string_view text, std::string* error,
                                   const JsonLimits& limits = {});

// A number literal that is a whole number in the range of int64 ("12",
// "-3"); nullopt for fractions, exponents and every other kind of value.
std::optional<int64_t> JsonInteger(const JsonValue& v);

// The JSON name of a kind, for messages: "文本", "数字", "数组", ...
const char* JsonKindName(JsonValue::Kind k);

}  // namespace dlt
