#include "history/service_page.h"

#include <algorithm>

#include "common/gbk_text.h"
#include "common/json_reader.h"
#include "history/draw_text_io.h"

namespace dlt {
namespace {

// Limits of the page as a whole: far above what the service sends, low
// enough that a hostile answer cannot make the walk or the store run away.
constexpr int64_t kMaxPages = 100000;
constexpr int64_t kMaxTotal = 10000000;
constexpr size_t kMaxTiers = 64;
constexpr size_t kMaxTierNameBytes = 60;

// Text from the answer echoed in a message: short, without control characters.
std::string Echo(std::string_view text) {
  std::string clean(text);
  for (char& c : clean)
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) c = '?';
  return "\"" + CutText(IsValidUtf8(clean) ? clean : "(非UTF-8文本)", 40) + "\"";
}

bool LooksLikeHtml(std::string_view body) {
  if (body.starts_with("\xEF\xBB\xBF")) body.remove_prefix(3);
  const size_t first = body.find_first_not_of(" \t\r\n");
  return first != std::string_view::npos && body[first] == '<';
}

// Reads the fields of one JSON object; the first fault is kept with the
// place it was met.
class FieldReader {
 public:
  FieldReader(const JsonValue& object, std::string place, std::string* error)
      : object_(object), place_(std::move(place)), error_(error) {}

  const JsonValue* Get(std::string_view key, JsonValue::Kind kind) {
    const JsonValue* v = object_.Member(key);
    if (!v) return Fail("缺少" + std::string(key)), nullptr;
    if (!v->Is(kind))
      return Fail(std::string(key) + "应是" + JsonKindName(kind) + ", 却是" +
                  JsonKindName(v->kind)),
             nullptr;
    return v;
  }

  const std::string* Text(std::string_view key) {
    const JsonValue* v = Get(key, JsonValue::Kind::String);
    return v ? &v->text : nullptr;
  }

  std::optional<int64_t> Integer(std::string_view key, int64_t lo, int64_t hi) {
    const JsonValue* v = Get(key, JsonValue::Kind::Number);
    if (!v) return std::nullopt;
    const auto n = JsonInteger(*v);
    if (!n || *n < lo || *n > hi) {
      Fail(std::string(key) + "应是" + std::to_string(lo) + "到" + std::to_string(hi) +
           "之间的整数: " + v->text);
      return std::nullopt;
    }
    return n;
  }

  bool Fail(const std::string& why) {
    if (error_ && error_->empty()) *error_ = place_ + why;
    return false;
  }

 private:
  const JsonValue& object_;
  std::string place_;
  std::string* error_;
};

std::optional<PrizeTier> ReadTier(const JsonValue& v, FieldReader& row) {
  if (!v.Is(JsonValue::Kind::Object)) return row.Fail("奖级应是对象"), std::nullopt;
  std::string why;
  FieldReader checked(v, "", &why);
  const std::string* name = checked.Text("prizeLevel");
  const std::string* count = name ? checked.Text("stakeCount") : nullptr;
  const std::string* amount = count ? checked.Text("stakeAmount") : nullptr;
  if (!amount) return row.Fail(why), std::nullopt;
  const bool nameOk = !name->empty() && name->size() <= kMaxTierNameBytes &&
                      std::none_of(name->begin(), name->end(),
                                   [](char c) { return static_cast<unsigned char>(c) < 0x20; });
  if (!nameOk) return row.Fail("奖级名称不对: " + Echo(*name)), std::nullopt;
  PrizeTier t;
  t.name = *name;
  ReadTierName(t.name, &t.level, &t.additional);
  if (!ReadPrizeFigure(*count, 0, &t.winners))
    return row.Fail(t.name + "的stakeCount读不出: " + Echo(*count)), std::nullopt;
  if (!ReadPrizeFigure(*amount, 2, &t.amountFen))
    return row.Fail(t.name + "的stakeAmount读不出: " + Echo(*amount)), std::nullopt;
  return t;
}

std::optional<ServiceRow> ReadRow(const JsonValue& v, const std::string& place,
                                  std::string* error) {
  FieldReader row(v, place + ": ", error);
  if (!v.Is(JsonValue::Kind::Object)) return row.Fail("应是对象"), std::nullopt;
  const std::string* number = row.Text("lotteryDrawNum");
  if (!number) return std::nullopt;
  const auto qs = ReadServiceDrawNumber(*number);
  if (!qs) return row.Fail("lotteryDrawNum不是期号: " + Echo(*number)), std::nullopt;

  FieldReader drawRow(v, place + "(第" + std::to_string(*qs) + "期): ", error);
  const std::string* result = drawRow.Text("lotteryDrawResult");
  if (!result) return std::nullopt;
  std::vector<std::string> numbers;
  for (size_t from = 0; from < result->size();) {
    const size_t blank = result->find(' ', from);
    const size_t end = blank == std::string::npos ? result->size() : blank;
    if (end > from) numbers.push_back(result->substr(from, end - from));
    from = end + 1;
  }
  if (numbers.size() != 7)
    return drawRow.Fail("lotteryDrawResult应是七个号码: " + Echo(*result)), std::nullopt;
  std::array<int64_t, 7> n{};
  std::string why;
  for (int i = 0; i < 7; ++i) {
    const auto parsed = ParseDrawField(numbers[i], i + 1, &why);
    if (!parsed) return drawRow.Fail(why), std::nullopt;
    n[i] = *parsed;
  }
  const auto draw = ValidateDraw(*qs, {n[0], n[1], n[2], n[3], n[4]}, {n[5], n[6]}, &why);
  if (!draw) return drawRow.Fail(why), std::nullopt;

  ServiceRow out{*draw, {}};
  if (!v.Member("prizeLevelList")) return out;  // a draw published before its prizes
  const JsonValue* tiers = drawRow.Get("prizeLevelList", JsonValue::Kind::Array);
  if (!tiers) return std::nullopt;
  if (tiers->items.size() > kMaxTiers)
    return drawRow.Fail("奖级过多: " + std::to_string(tiers->items.size())), std::nullopt;
  for (const JsonValue& t : tiers->items) {
    auto tier = ReadTier(t, drawRow);
    if (!tier) return std::nullopt;
    const bool repeated = std::any_of(out.tiers.begin(), out.tiers.end(),
                                      [&](const PrizeTier& o) { return o.name == tier->name; });
    if (repeated) return drawRow.Fail("奖级重复: " + tier->name), std::nullopt;
    out.tiers.push_back(std::move(*tier));
  }
  return out;
}

}  // namespace

std::optional<int32_t> ReadServiceDrawNumber(std::string_view text) {
  if (text.size() != 5 ||
      !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
    return std::nullopt;
  const int64_t qs = NormaliseDrawNumber(std::string(text));
  if (qs < 0 || qs % 1000 == 0) return std::nullopt;  // serials start at 001
  return static_cast<int32_t>(qs);
}

std::optional<ServicePage> ParseServicePage(std::string_view body, int pageNo, std::string* error) {
  std::string why;
  auto fail = [&](const std::string& message) -> std::optional<ServicePage> {
    if (error) *error = message;
    return std::nullopt;
  };
  if (body.find_first_not_of(" \t\r\n") == std::string_view::npos)
    return fail("服务器的回答是空的");
  if (LooksLikeHtml(body)) return fail("服务器返回的是网页, 不是开奖数据(JSON)");
  const auto json = ParseJson(body, &why);
  if (!json) return fail("服务器的回答不是有效的JSON: " + why);
  if (!json->Is(JsonValue::Kind::Object)) return fail("服务器的回答不是开奖数据: 最外层应是对象");

  FieldReader root(*json, "服务器的回答有误: ", &why);
  const std::string* code = root.Text("errorCode");
  const JsonValue* success = code ? root.Get("success", JsonValue::Kind::Bool) : nullptr;
  if (!success) return fail(why);
  if (*code != "0" || !success->boolean) {
    const JsonValue* message = json->Member("errorMessage");
    const std::string said =
        message && message->Is(JsonValue::Kind::String) && !message->text.empty()
            ? Echo(message->text)
            : "(未说明原因)";
    return fail("开奖数据服务返回错误: " + said + " (errorCode " + Echo(*code) + ")");
  }

  const JsonValue* value = root.Get("value", JsonValue::Kind::Object);
  if (!value) return fail(why);
  FieldReader page(*value, "服务器的回答有误: ", &why);
  const auto no = page.Integer("pageNo", 1, kMaxPages);
  const auto pages = no ? page.Integer("pages", 0, kMaxPages) : std::nullopt;
  const auto total = pages ? page.Integer("total", 0, kMaxTotal) : std::nullopt;
  const auto size = total ? page.Integer("pageSize", 1, kMaxTotal) : std::nullopt;
  const JsonValue* list = size ? page.Get("list", JsonValue::Kind::Array) : nullptr;
  if (!list) return fail(why);
  if (*no != pageNo)
    return fail("服务器的回答有误: 请求第" + std::to_string(pageNo) + "页, 得到第" +
                std::to_string(*no) + "页");
  if (list->items.size() > kServicePageSize)
    return fail("服务器的回答有误: 一页最多" + std::to_string(kServicePageSize) + "期, 这一页有" +
                std::to_string(list->items.size()) + "期");
  if (!list->items.empty() && (*pages < *no || *total < static_cast<int64_t>(list->items.size())))
    return fail("服务器的回答有误: 共" + std::to_string(*pages) + "页" + std::to_string(*total) +
                "期, 与第" + std::to_string(*no) + "页的内容不符");

  ServicePage out;
  out.pageNo = static_cast<int>(*no);
  out.pages = static_cast<int>(*pages);
  out.total = static_cast<int>(*total);
  for (size_t i = 0; i < list->items.size(); ++i) {
    const std::string place = "第" + std::to_string(pageNo) + "页第" + std::to_string(i + 1) + "条";
    auto row = ReadRow(list->items[i], place, &why);
    if (!row) return fail(why);
    if (!out.rows.empty() && row->draw.qs >= out.rows.back().draw.qs)
      return fail(place + "(第" + std::to_string(row->draw.qs) + "期): 期号应从新到旧排列, 却在第" +
                  std::to_string(out.rows.back().draw.qs) + "期之后");
    out.rows.push_back(std::move(*row));
  }
  return out;
}

}  // namespace dlt
