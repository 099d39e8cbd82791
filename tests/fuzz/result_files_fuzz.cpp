// Result and ticket files: the same bytes read as front combinations, back
// pairs and tickets. Whatever a reader accepts must save and read back as
// the same records (a graded ticket's prize text included).
#include <random>

#include "fuzz_support.h"
#include "generator/back_list.h"
#include "generator/random_tickets.h"
#include "generator/result_files.h"
#include "generator/result_list.h"
#include "generator/ticket_list.h"

namespace {

using namespace dlt;

template <typename T>
using Parser = std::optional<std::vector<T>> (*)(const std::vector<std::string>&,
                                                 const std::string&, int, const std::string&,
                                                 std::string*);

template <typename T>
void CheckRoundTrip(const std::vector<std::string>& lines, Parser<T> parse, int capacity,
                    std::string (*lineOf)(const T&)) {
  const std::string full = "full";
  std::string error;
  const auto records = parse(lines, "f.txt", capacity, full, &error);
  if (!records) {
    fuzz::Check(!error.empty(), "a refused file says why");
    return;
  }
  std::vector<std::string> saved;
  for (const T& r : *records) saved.push_back(lineOf(r));
  const auto reread = fuzz::FileLines(fuzz::GbkFile(saved));
  fuzz::Check(reread.has_value(), "a saved file decodes");
  const auto again = parse(*reread, "f.txt", capacity, full, &error);
  fuzz::Check(again.has_value(), "a saved file reads back", error);
  fuzz::Check(*again == *records, "a saved file reads back as itself");
}

std::vector<Ticket> SomeTickets(int count, bool graded) {
  std::mt19937_64 rng(9);
  std::vector<Ticket> tickets;
  for (int i = 0; i < count; ++i) {
    Ticket t;
    t.front = RandomCombo(rng);
    t.back = {static_cast<uint8_t>(1 + i % 6), static_cast<uint8_t>(7 + i % 6)};
    t.prize = graded ? static_cast<uint8_t>(i % 9) : 0;
    tickets.push_back(t);
  }
  return tickets;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const auto lines = fuzz::FileLines(fuzz::AsText(data, size));
  if (!lines) return 0;
  CheckRoundTrip<Combo>(*lines, &ParseComboLines, kFrontListCapacity, &FrontResultLine);
  CheckRoundTrip<BackPair>(*lines, &ParseBackPairLines, kBackListCapacity, &BackResultLine);
  CheckRoundTrip<Ticket>(*lines, &ParseTicketLines, kTicketListCapacity, &TicketResultLine);
  // A graded ticket file reads back as its tickets; the prize text is not read.
  const auto tickets = ParseTicketLines(*lines, "f.txt", kTicketListCapacity, "full", nullptr);
  if (tickets) {
    std::vector<std::string> graded;
    for (const Ticket& t : *tickets) graded.push_back(GradedTicketLine(t));
    const auto again = ParseTicketLines(*fuzz::FileLines(fuzz::GbkFile(graded)), "f.txt",
                                        kTicketListCapacity, "full", nullptr);
    fuzz::Check(again && *again == *tickets, "a graded file reads back as its tickets");
  }
  return 0;
}

std::vector<dlt::fuzz::Seed> dlt::fuzz::Seeds() {
  std::mt19937_64 rng(4);
  const std::vector<Combo> combos = RandomCombos(12, rng);
  const std::vector<BackPair> pairs = {{1, 2}, {3, 11}, {5, 12}};
  const auto tickets = SomeTickets(8, false);
  const auto graded = SomeTickets(9, true);
  return {
      {"seed-front", WrittenBy([&](auto& p) { return SaveCombos(combos, p, nullptr); })},
      {"seed-back", WrittenBy([&](auto& p) { return SaveBackPairs(pairs, p, nullptr); })},
      {"seed-tickets", WrittenBy([&](auto& p) { return SaveTickets(tickets, p, nullptr); })},
      {"seed-graded", WrittenBy([&](auto& p) { return SaveGradedTickets(graded, p, nullptr); })},
      {"seed-unsorted-lf", "35 07 01 30 12\n\n 3 4 5 6 7 \n"},
      {"seed-out-of-range", GbkFile({"01 02 03 04 05", "01 02 03 04 36"})},
      {"seed-repeat", GbkFile({"01 02 03 03 05 01 01"})},
      {"seed-short-line", GbkFile({"01 02 03 04 05 06 07", "01 02"})},
      {"seed-not-a-number", GbkFile({"01 02 x3 04 05"})},
      {"seed-not-gbk", "01 02 03 04 05 \xff\xff\r\n"},
  };
}
