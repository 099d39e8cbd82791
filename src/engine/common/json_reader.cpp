#include "common/json_reader.h"

#include <set>

#include "common/gbk_text.h"
#include "common/text.h"

namespace dlt {
namespace {

class JsonParser {
 public:
  JsonParser(std::string_view text, const JsonLimits& limits) : s_(text), limits_(limits) {}

  std::optional<JsonValue> ParseDocument(std::string* error) {
    JsonValue root;
    SkipBlanks();
    const bool ok = ParseValue(root, 0) && (SkipBlanks(), AtEnd() || Fail("值后面还有多余的内容"));
    if (!ok) {
      if (error) *error = "JSON格式错误(第" + std::to_string(failPos_ + 1) + "个字节): " + why_;
      return std::nullopt;
    }
    return root;
  }

 private:
  bool AtEnd() const { return pos_ >= s_.size(); }
  char Peek() const { return AtEnd() ? '\0' : s_[pos_]; }

  bool Fail(const char* why) {
    if (why_.empty()) {
      why_ = why;
      failPos_ = pos_;
    }
    return false;
  }

  void SkipBlanks() {
    while (!AtEnd() &&
           (s_[pos_] == ' ' || s_[pos_] == '\t' || s_[pos_] == '\n' || s_[pos_] == '\r'))
      ++pos_;
  }

  bool Literal(std::string_view word) {
    if (s_.substr(pos_, word.size()) != word) return Fail("无法识别的值");
    pos_ += word.size();
    return true;
  }

  bool ParseValue(JsonValue& v, int depth) {
    if (++values_ > limits_.maxValues) return Fail("值的数目过多");
    switch (Peek()) {
      case '{':
        return ParseObject(v, depth + 1);
      case '[':
        return ParseArray(v, depth + 1);
      case '"':
        v.kind = JsonValue::Kind::String;
        return ParseString(v.text);
      case 't':
        v.kind = JsonValue::Kind::Bool;
        v.boolean = true;
        return Literal("true");
      case 'f':
        v.kind = JsonValue::Kind::Bool;
        return Literal("false");
      case 'n':
        return Literal("null");
      default:
        if (Peek() == '-' || (Peek() >= '0' && Peek() <= '9')) return ParseNumber(v);
        return Fail(AtEnd() ? "内容不完整" : "无法识别的值");
    }
  }

  bool Digits() {
    const size_t from = pos_;
    while (!AtEnd() && s_[pos_] >= '0' && s_[pos_] <= '9') ++pos_;
    return pos_ > from || Fail("数字不完整");
  }

  bool ParseNumber(JsonValue& v) {
    const size_t from = pos_;
    if (Peek() == '-') ++pos_;
    if (Peek() == '0') {
      ++pos_;
      if (Peek() >= '0' && Peek() <= '9') return Fail("数字不能以0开头");
    } else if (!Digits()) {
      return false;
    }
    if (Peek() == '.') {
      ++pos_;
      if (!Digits()) return false;
    }
    if (Peek() == 'e' || Peek() == 'E') {
      ++pos_;
      if (Peek() == '+' || Peek() == '-') ++pos_;
      if (!Digits()) return false;
    }
    v.kind = JsonValue::Kind::Number;
    v.text = std::string(s_.substr(from, pos_ - from));
    return true;
  }

  bool Hex4(uint32_t& out) {
    if (pos_ + 4 > s_.size()) return Fail("\\u后应有四位十六进制数");
    out = 0;
    for (int i = 0; i < 4; ++i) {
      const char c = s_[pos_++];
      out <<= 4;
      if (c >= '0' && c <= '9')
        out |= static_cast<uint32_t>(c - '0');
      else if (c >= 'a' && c <= 'f')
        out |= static_cast<uint32_t>(c - 'a' + 10);
      else if (c >= 'A' && c <= 'F')
        out |= static_cast<uint32_t>(c - 'A' + 10);
      else
        return (--pos_, Fail("\\u后应有四位十六进制数"));
    }
    return true;
  }

  static void AppendUtf8(std::string& out, uint32_t cp) {
    if (cp < 0x80) {
      out += static_cast<char>(cp);
    } else if (cp < 0x800) {
      out += static_cast<char>(0xC0 | (cp >> 6));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
      out += static_cast<char>(0xE0 | (cp >> 12));
      out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (cp >> 18));
      out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    }
  }

  bool Escape(std::string& out) {
    const char c = Peek();
    ++pos_;
    switch (c) {
      case '"':
        out += '"';
        return true;
      case '\\':
        out += '\\';
        return true;
      case '/':
        out += '/';
        return true;
      case 'b':
        out += '\b';
        return true;
      case 'f':
        out += '\f';
        return true;
      case 'n':
        out += '\n';
        return true;
      case 'r':
        out += '\r';
        return true;
      case 't':
        out += '\t';
        return true;
      case 'u':
        break;
      default:
        return (--pos_, Fail("无效的转义字符"));
    }
    uint32_t cp = 0;
    if (!Hex4(cp)) return false;
    if (cp >= 0xDC00 && cp <= 0xDFFF) return Fail("单独的低位代理字符");
    if (cp >= 0xD800 && cp <= 0xDBFF) {
      uint32_t low = 0;
      if (s_.substr(pos_, 2) != "\\u") return Fail("高位代理字符后缺少低位代理字符");
      pos_ += 2;
      if (!Hex4(low)) return false;
      if (low < 0xDC00 || low > 0xDFFF) return Fail("高位代理字符后缺少低位代理字符");
      cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
    }
    AppendUtf8(out, cp);
    return true;
  }

  bool ParseString(std::string& out) {
    ++pos_;  // the opening quote
    size_t runStart = pos_;
    auto flushRun = [&] { out.append(s_.substr(runStart, pos_ - runStart)); };
    while (true) {
      if (AtEnd()) return Fail("文本没有结束的引号");
      const auto c = static_cast<unsigned char>(s_[pos_]);
      if (c == '"') {
        flushRun();
        ++pos_;
        break;
      }
      if (c < 0x20) return Fail("文本中有控制字符");
      if (c == '\\') {
        flushRun();
        ++pos_;
        if (!Escape(out)) return false;
        runStart = pos_;
        continue;
      }
      ++pos_;
    }
    // The raw bytes between escapes must be UTF-8; escapes only make valid text.
    return IsValidUtf8(out) || Fail("文本不是有效的UTF-8");
  }

  // The elements of an array or the members of an object, each read by
  // `readOne`, separated by commas up to `close`.
  template <class ReadOne>
  bool Elements(char close, const char* badSeparator, ReadOne readOne) {
    ++pos_;
    SkipBlanks();
    if (Peek() == close) return (++pos_, true);
    while (true) {
      SkipBlanks();
      if (!readOne()) return false;
      SkipBlanks();
      if (Peek() == ',') {
        ++pos_;
        continue;
      }
      if (Peek() == close) return (++pos_, true);
      return Fail(AtEnd() ? "内容不完整" : badSeparator);
    }
  }

  bool ParseArray(JsonValue& v, int depth) {
    if (depth > limits_.maxDepth) return Fail("嵌套过深");
    v.kind = JsonValue::Kind::Array;
    return Elements(']', "数组中应为逗号或]", [&] {
      v.items.emplace_back();
      return ParseValue(v.items.back(), depth);
    });
  }

  bool ParseObject(JsonValue& v, int depth) {
    if (depth > limits_.maxDepth) return Fail("嵌套过深");
    v.kind = JsonValue::Kind::Object;
    std::set<std::string, std::less<>> seen;
    return Elements('}', "对象中应为逗号或}", [&] {
      if (Peek() != '"') return Fail(AtEnd() ? "内容不完整" : "成员名应是带引号的文本");
      const size_t keyPos = pos_;
      std::string key;
      if (!ParseString(key)) return false;
      if (!seen.insert(key).second) {
        pos_ = keyPos;
        return Fail("成员名重复");
      }
      SkipBlanks();
      if (Peek() != ':') return Fail("成员名后应为冒号");
      ++pos_;
      SkipBlanks();
      v.keys.push_back(std::move(key));
      v.items.emplace_back();
      return ParseValue(v.items.back(), depth);
    });
  }

  std::string_view s_;
  JsonLimits limits_;
  size_t pos_ = 0;
  size_t values_ = 0;
  std::string why_;
  size_t failPos_ = 0;
};

}  // namespace

const JsonValue* JsonValue::Member(std::string_view key) const {
  if (kind != Kind::Object) return nullptr;
  for (size_t i = 0; i < keys.size(); ++i)
    if (keys[i] == key) return &items[i];
  return nullptr;
}

std::optional<JsonValue> ParseJson(std::string_view text, std::string* error,
                                   const JsonLimits& limits) {
  return JsonParser(text, limits).ParseDocument(error);
}

std::optional<int64_t> JsonInteger(const JsonValue& v) {
  if (v.kind != JsonValue::Kind::Number) return std::nullopt;
  if (v.text.find_first_of(".eE") != std::string::npos) return std::nullopt;
  return IntegerOfText<int64_t>(v.text);
}

const char* JsonKindName(JsonValue::Kind k) {
  switch (k) {
    case JsonValue::Kind::Null:
      return "null";
    case JsonValue::Kind::Bool:
      return "true/false";
    case JsonValue::Kind::Number:
      return "数字";
    case JsonValue::Kind::String:
      return "文本";
    case JsonValue::Kind::Array:
      return "数组";
    case JsonValue::Kind::Object:
      return "对象";
  }
  return "?";
}

}  // namespace dlt
