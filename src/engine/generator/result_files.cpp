#include "generator/result_files.h"

#include <filesystem>
#include <functional>
#include <string_view>

#include "common/gbk_text.h"
#include "common/numbers.h"
#include "generator/prizes.h"
#include "history/draw_text_io.h"

namespace dlt {
namespace {

template <typename Numbers>
void AppendNumbers(std::string& line, const Numbers& numbers) {
  for (const auto n : numbers) {
    line += TwoDigit(n);
    line += ' ';
  }
}

template <typename T>
bool SaveLines(const std::vector<T>& records, std::string (*lineOf)(const T&),
               const std::string& name, std::string* error, std::string* savedPath) {
  const std::string path = WithTxtExtension(name);
  if (savedPath) *savedPath = path;
  std::vector<std::string> lines;
  lines.reserve(records.size());
  for (const auto& r : records) lines.push_back(lineOf(r));
  return WriteGbkLines(path, lines, error);
}

bool IsBlankLine(std::string_view line) {
  return line.find_first_not_of(" \t\r") == std::string_view::npos;
}

// Reads the first `count` numbers of every non-blank line and builds a
// record with `make`; see ParseComboLines.
template <typename T>
std::optional<std::vector<T>> ParseLines(
    const std::vector<std::string>& lines, const std::string& fileName, int capacity,
    const std::string& fullMessage, size_t count,
    const std::function<std::optional<T>(const std::vector<int64_t>&, std::string*)>& make,
    std::string* error) {
  std::vector<T> records;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (IsBlankLine(lines[i])) continue;
    std::string reason;
    const auto fail = [&]() -> std::optional<std::vector<T>> {
      if (error) *error = fileName + " 第" + std::to_string(i + 1) + "行: " + reason;
      return std::nullopt;
    };
    const auto tokens = SplitBlanks(lines[i]);
    if (tokens.size() < count) {
      reason =
          "只有" + std::to_string(tokens.size()) + "个号码, 应为" + std::to_string(count) + "个";
      return fail();
    }
    std::vector<int64_t> numbers;
    for (size_t k = 0; k < count; ++k) {
      const Zone zone = (count == 2 || k >= 5) ? Zone::Back : Zone::Front;
      auto n = ParseNumberText(tokens[k], zone, &reason);
      if (!n) return fail();
      numbers.push_back(*n);
    }
    auto record = make(numbers, &reason);
    if (!record) return fail();
    if (records.size() >= static_cast<size_t>(capacity)) {
      if (error)
        *error = fileName + "中的号码超过" + std::to_string(capacity) + "组, " + fullMessage;
      return std::nullopt;
    }
    records.push_back(*record);
  }
  return records;
}

template <typename T>
std::optional<std::vector<T>> ReadResults(
    const std::string& name, std::string* error,
    std::optional<std::vector<T>> (*parse)(const std::vector<std::string>&, const std::string&, int,
                                           const std::string&, std::string*),
    int capacity, const std::string& fullMessage) {
  const std::string path = ResolveLoadPath(name);
  auto lines = ReadTextLines(path, error);
  if (!lines) return std::nullopt;
  return parse(*lines, path, capacity, fullMessage, error);
}

// Width of UTF-8 text once written in GBK: one byte for ASCII, two otherwise.
size_t GbkWidth(std::string_view s) {
  size_t width = 0;
  for (const char ch : s) {
    const auto c = static_cast<unsigned char>(ch);
    if (c < 0x80)
      width += 1;
    else if ((c & 0xC0) != 0x80)
      width += 2;  // a lead byte: one wide character
  }
  return width;
}

// The record label of a listing: padded with blanks to 12 bytes, cut to the
// whole characters that fit when longer.
std::string ListingLabel(int n) {
  constexpr size_t kWidth = 12;
  std::string label = RecordLabel(n);
  while (GbkWidth(label) > kWidth) {
    size_t cut = label.size() - 1;
    while (cut > 0 && (static_cast<unsigned char>(label[cut]) & 0xC0) == 0x80) --cut;
    label.erase(cut);
  }
  label.append(kWidth - GbkWidth(label), ' ');
  return label;
}

template <typename Numbers>
void AppendListingNumbers(std::string& line, const Numbers& numbers) {
  for (const auto n : numbers) {
    line += "      ";
    line += TwoDigit(n);
  }
}

}  // namespace

std::string FrontResultLine(const Combo& c) {
  std::string line;
  AppendNumbers(line, c);
  return line;
}

std::string BackResultLine(const BackPair& p) {
  std::string line;
  AppendNumbers(line, p);
  return line;
}

std::string TicketResultLine(const Ticket& t) {
  std::string line;
  AppendNumbers(line, t.front);
  AppendNumbers(line, t.back);
  return line;
}

std::string GradedTicketLine(const Ticket& t) {
  return TicketResultLine(t) + std::string(PrizeText(t.prize));
}

bool SaveCombos(const std::vector<Combo>& combos, const std::string& name, std::string* error,
                std::string* savedPath) {
  return SaveLines<Combo>(combos, &FrontResultLine, name, error, savedPath);
}

bool SaveBackPairs(const std::vector<BackPair>& pairs, const std::string& name, std::string* error,
                   std::string* savedPath) {
  return SaveLines<BackPair>(pairs, &BackResultLine, name, error, savedPath);
}

bool SaveTickets(const std::vector<Ticket>& tickets, const std::string& name, std::string* error,
                 std::string* savedPath) {
  return SaveLines<Ticket>(tickets, &TicketResultLine, name, error, savedPath);
}

bool SaveGradedTickets(const std::vector<Ticket>& tickets, const std::string& name,
                       std::string* error, std::string* savedPath) {
  return SaveLines<Ticket>(tickets, &GradedTicketLine, name, error, savedPath);
}

bool SaveFrontResults(const ResultList& list, const std::string& name, std::string* error,
                      std::string* savedPath) {
  return SaveCombos(list.Combos(), name, error, savedPath);
}

bool SaveBackResults(const BackList& list, const std::string& name, std::string* error,
                     std::string* savedPath) {
  return SaveBackPairs(list.Items(), name, error, savedPath);
}

bool SaveTicketResults(const TicketList& list, const std::string& name, std::string* error,
                       std::string* savedPath) {
  return SaveTickets(list.Items(), name, error, savedPath);
}

std::string ResolveLoadPath(const std::string& name) {
  std::error_code ec;
  if (std::filesystem::is_regular_file(name, ec)) return name;
  const std::string withTxt = WithTxtExtension(name);
  if (withTxt != name && std::filesystem::is_regular_file(withTxt, ec)) return withTxt;
  return name;
}

std::optional<std::vector<Combo>> ParseComboLines(const std::vector<std::string>& lines,
                                                  const std::string& fileName, int capacity,
                                                  const std::string& fullMessage,
                                                  std::string* error) {
  return ParseLines<Combo>(
      lines, fileName, capacity, fullMessage, 5,
      [](const std::vector<int64_t>& n, std::string* e) { return MakeCombo(n, e); }, error);
}

std::optional<std::vector<BackPair>> ParseBackPairLines(const std::vector<std::string>& lines,
                                                        const std::string& fileName, int capacity,
                                                        const std::string& fullMessage,
                                                        std::string* error) {
  return ParseLines<BackPair>(
      lines, fileName, capacity, fullMessage, 2,
      [](const std::vector<int64_t>& n, std::string* e) { return MakeBackPair(n, e); }, error);
}

std::optional<std::vector<Ticket>> ParseTicketLines(const std::vector<std::string>& lines,
                                                    const std::string& fileName, int capacity,
                                                    const std::string& fullMessage,
                                                    std::string* error) {
  return ParseLines<Ticket>(
      lines, fileName, capacity, fullMessage, 7,
      [](const std::vector<int64_t>& n, std::string* e) { return MakeTicket(n, e); }, error);
}

std::optional<std::vector<Combo>> ReadFrontResults(const std::string& name, std::string* error) {
  return ReadResults<Combo>(name, error, &ParseComboLines, kFrontListCapacity,
                            ResultList().FullMessage());
}

std::optional<std::vector<BackPair>> ReadBackResults(const std::string& name, std::string* error) {
  return ReadResults<BackPair>(name, error, &ParseBackPairLines, kBackListCapacity,
                               BackList().FullMessage());
}

std::optional<std::vector<Ticket>> ReadTicketResults(const std::string& name, std::string* error) {
  return ReadResults<Ticket>(name, error, &ParseTicketLines, kTicketListCapacity,
                             TicketList().FullMessage());
}

bool LoadFrontResults(ResultList& list, const std::string& name, std::string* error) {
  auto combos = ReadFrontResults(name, error);
  return combos && list.AssignCombos(*combos, error);
}

bool LoadBackResults(BackList& list, const std::string& name, std::string* error) {
  auto pairs = ReadBackResults(name, error);
  return pairs && list.Assign(std::move(*pairs), error);
}

bool LoadTicketResults(TicketList& list, const std::string& name, std::string* error) {
  auto tickets = ReadTicketResults(name, error);
  return tickets && list.Assign(std::move(*tickets), error);
}

std::string ListingPath(const std::string& folder) {
  return folder + "/" + kListingFileName;
}

std::vector<std::string> FrontListingLines(const std::vector<Combo>& combos) {
  std::vector<std::string> lines{"记录号          主号一  主号二  主号三  主号四  主号五"};
  lines.reserve(combos.size() + 1);
  for (size_t i = 0; i < combos.size(); ++i) {
    std::string line = ListingLabel(static_cast<int>(i + 1));
    AppendListingNumbers(line, combos[i]);
    lines.push_back(std::move(line));
  }
  return lines;
}

std::vector<std::string> TicketListingLines(const std::vector<Ticket>& tickets) {
  std::vector<std::string> lines{
      "记录号          主号一  主号二  主号三  主号四  主号五  副号一  副号二"};
  lines.reserve(tickets.size() + 1);
  for (size_t i = 0; i < tickets.size(); ++i) {
    std::string line = ListingLabel(static_cast<int>(i + 1));
    AppendListingNumbers(line, tickets[i].front);
    AppendListingNumbers(line, tickets[i].back);
    lines.push_back(std::move(line));
  }
  return lines;
}

bool WriteFrontListing(const std::vector<Combo>& combos, const std::string& path,
                       std::string* error) {
  return WriteGbkLines(path, FrontListingLines(combos), error);
}

bool WriteTicketListing(const std::vector<Ticket>& tickets, const std::string& path,
                        std::string* error) {
  return WriteGbkLines(path, TicketListingLines(tickets), error);
}

}  // namespace dlt
