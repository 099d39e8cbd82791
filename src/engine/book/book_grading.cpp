#include "book/book_grading.h"

#include <algorithm>
#include <map>

#include "generator/ticket_list.h"
#include "history/draw_table.h"

namespace dlt {

std::optional<int32_t> CheckBookDraw(const DrawTable& table, std::string_view text,
                                     std::string* error) {
  const auto qs = ParseDrawField(text, 0, error);
  if (!qs) return std::nullopt;
  if (*qs < 1000000 || *qs > kLastRealQs) {
    if (error) *error = "期数必须是七位比如2009001: " + std::string(text);
    return std::nullopt;
  }
  const auto draw = static_cast<int32_t>(*qs);
  if (table.IndexOf(draw) >= 0) return draw;
  const int newest = table.LastRealIndex();
  const int32_t newestQs = newest >= 0 ? table.Draws()[static_cast<size_t>(newest)].qs : 0;
  // A draw to come follows the newest stored one, in its year or the next:
  // a mistyped year would wait for its draw for ever.
  const bool toCome =
      draw > newestQs && draw % 1000 != 0 && (newestQs == 0 || draw / 1000 <= newestQs / 1000 + 1);
  if (toCome) return draw;
  if (error) *error = "第" + std::to_string(draw) + "期既不是将要开奖的一期, 也不在历史数据中";
  return std::nullopt;
}

int32_t NextDrawNumber(const DrawTable& table) {
  const int newest = table.LastRealIndex();
  return newest >= 0 ? table.Draws()[static_cast<size_t>(newest)].qs + 1 : 0;
}

BookResult GradeBookTickets(std::vector<Ticket> tickets, const Draw& draw) {
  BookResult r;
  r.draw = draw;
  r.counts = GradeTickets(tickets, draw);
  for (size_t i = 0; i < tickets.size(); ++i)
    if (tickets[i].prize != kNoPrize) r.winners.emplace_back(static_cast<int>(i), tickets[i].prize);
  return r;
}

void GradingReport::Merge(const GradingReport& other) {
  for (const GradedDraw& g : other.graded) {
    auto it = std::find_if(graded.begin(), graded.end(),
                           [&](const GradedDraw& x) { return x.qs == g.qs; });
    if (it == graded.end()) {
      graded.push_back(g);
      continue;
    }
    it->entries += g.entries;
    for (size_t i = 0; i < g.counts.size(); ++i) it->counts[i] += g.counts[i];
  }
  std::sort(graded.begin(), graded.end(),
            [](const GradedDraw& a, const GradedDraw& b) { return a.qs < b.qs; });
  pendingAgain += other.pendingAgain;
}

GradingReport GradeBookEntries(TicketBook& book, const DrawTable& table,
                               const std::vector<int32_t>* onlyDraws) {
  std::vector<std::pair<int64_t, std::optional<BookResult>>> changes;
  std::map<int32_t, GradedDraw> graded;
  GradingReport report;
  for (const BookEntry& e : book.Entries()) {
    if (onlyDraws && std::find(onlyDraws->begin(), onlyDraws->end(), e.qs) == onlyDraws->end())
      continue;
    const int index = table.IndexOf(e.qs);
    if (index < 0) {
      if (e.result) {
        changes.emplace_back(e.id, std::nullopt);
        ++report.pendingAgain;
      }
      continue;
    }
    const Draw& draw = table.Draws()[static_cast<size_t>(index)];
    if (e.result && e.result->draw == draw) continue;
    BookResult r = GradeBookTickets(book.Tickets(e.id), draw);
    const bool news = !e.result || e.result->counts != r.counts || e.result->winners != r.winners;
    if (news) {
      GradedDraw& g = graded[e.qs];
      g.qs = e.qs;
      ++g.entries;
      for (size_t i = 0; i < r.counts.size(); ++i) g.counts[i] += r.counts[i];
    }
    changes.emplace_back(e.id, std::move(r));
  }
  book.SetResults(changes);
  for (auto& [qs, g] : graded) report.graded.push_back(g);
  return report;
}

bool CheckBookEntry(const DrawTable& table, const NewBookEntry& entry, std::string* error) {
  const auto fail = [&](std::string message) {
    if (error) *error = std::move(message);
    return false;
  };
  if (entry.name.find_first_of("\t\r\n") != std::string::npos)
    return fail("名称不能含有制表符或换行");
  if (entry.tickets.empty()) return fail("没有号码, 不能加入投注记录");
  if (entry.tickets.size() > static_cast<size_t>(kTicketListCapacity))
    return fail("一条投注记录最多" + std::to_string(kTicketListCapacity) + "注");
  return CheckBookDraw(table, std::to_string(entry.qs), error).has_value();
}

std::optional<int64_t> AddBookEntry(TicketBook& book, const DrawTable& table, NewBookEntry entry,
                                    std::string* error) {
  if (!CheckBookEntry(table, entry, error)) return std::nullopt;
  // The prize bytes of a checked list are no part of the tickets played.
  for (Ticket& t : entry.tickets) t.prize = kNoPrize;
  entry.result.reset();
  if (const int index = table.IndexOf(entry.qs); index >= 0)
    entry.result = GradeBookTickets(entry.tickets, table.Draws()[static_cast<size_t>(index)]);
  return book.Add(entry);
}

void AttachBookGrading(DrawTable& table, BookSource book, GradingListener told) {
  table.SetChangeListener(
      [&table, book = std::move(book), told = std::move(told)](const DrawChanges& changes) {
        std::vector<int32_t> draws = changes.stored;
        draws.insert(draws.end(), changes.removed.begin(), changes.removed.end());
        try {
          TicketBook* graded = book ? book() : nullptr;
          if (!graded) return;
          const GradingReport report = GradeBookEntries(*graded, table, &draws);
          if (!report.Empty() && told) told(report, {});
        } catch (const std::exception& e) {
          // The draws are stored; only the results wait for the next grading.
          if (told) told({}, std::string("投注记录未能对奖: ") + e.what());
        }
      });
}

void DetachBookGrading(DrawTable& table) {
  table.SetChangeListener({});
}

}  // namespace dlt
