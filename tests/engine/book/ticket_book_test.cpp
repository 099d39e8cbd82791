#include "book/ticket_book.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>

#include "book_test_support.h"
#include "generator/result_files.h"

namespace dlt {
namespace {

using test::KnownTickets;
using test::TempDir;

NewBookEntry Entry(int32_t qs, std::string name = "周二") {
  NewBookEntry e;
  e.name = std::move(name);
  e.qs = qs;
  e.addedAt = 1767225600;
  e.tickets = KnownTickets();
  e.costFen = 1000;
  return e;
}

void Sql(const std::string& path, const char* sql) {
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
  EXPECT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
  sqlite3_close(db);
}

TEST(TicketBook, EntriesKeepTheirTicketsAndIdsAreNeverGivenTwice) {
  TempDir dir;
  const std::string path = dir.file("book.db");
  EXPECT_EQ(TicketBook::Open(path, false), nullptr) << "no book is made by looking";
  EXPECT_FALSE(std::filesystem::exists(path));
  auto book = TicketBook::Open(path, true);
  const int64_t first = book->Add(Entry(2026011));
  const int64_t second = book->Add(Entry(2026012, "周四"));
  EXPECT_EQ(second, first + 1);
  EXPECT_TRUE(book->Remove(second));
  EXPECT_FALSE(book->Remove(second));
  EXPECT_EQ(book->Add(Entry(2026013)), second + 1);

  book.reset();
  book = TicketBook::Open(path, false);
  const auto entries = book->Entries();
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[0].name, "周二");
  EXPECT_EQ(entries[0].qs, 2026011);
  EXPECT_EQ(entries[0].addedAt, 1767225600);
  EXPECT_EQ(entries[0].ticketCount, 5);
  EXPECT_EQ(entries[0].costFen, 1000);
  EXPECT_FALSE(entries[0].result);
  EXPECT_EQ(book->Tickets(first), KnownTickets());
  EXPECT_TRUE(book->Tickets(second).empty());
}

TEST(TicketBook, ResultsAreStoredAndCleared) {
  TempDir dir;
  auto book = TicketBook::Open(dir.file("book.db"), true);
  const int64_t id = book->Add(Entry(2026011));
  BookResult r{test::TargetDraw(), test::KnownCounts(), test::KnownWinners()};
  book->SetResults({{id, r}});
  EXPECT_EQ(book->Entry(id)->result, r);
  book->SetResults({{id, std::nullopt}});
  EXPECT_FALSE(book->Entry(id)->result);
}

TEST(TicketBook, TheTicketsAreACopyOfTheFile) {
  TempDir dir;
  const std::string file = dir.file("t.txt");
  std::string error;
  ASSERT_TRUE(SaveTickets(KnownTickets(), file, &error)) << error;
  auto book = TicketBook::Open(dir.file("book.db"), true);
  NewBookEntry e = Entry(2026011);
  e.tickets = *ReadTicketResults(file, &error);
  const int64_t id = book->Add(e);
  test::WriteBytes(file, "35 34 33 32 31 12 11 \r\n");
  std::filesystem::remove(file);
  EXPECT_EQ(book->Tickets(id), KnownTickets());
}

// What a damaged book file holds; each is refused at opening and left
// byte for byte as it was.
struct DamageCase {
  const char* what;
  std::function<void(const std::string& path)> damage;
};

TEST(TicketBook, ADamagedFileIsRefusedAndLeftInPlace) {
  const DamageCase cases[] = {
      {"text", [](const std::string& p) { test::WriteBytes(p, "not a database at all\n"); }},
      {"truncated",
       [](const std::string& p) {
         std::string bytes = test::ReadBytes(p);
         test::WriteBytes(p, bytes.substr(0, bytes.size() / 2 + 7));
       }},
      {"another database",
       [](const std::string& p) {
         std::filesystem::remove(p);
         Sql(p, "CREATE TABLE other (x INTEGER)");
       }},
      {"counts that do not add up",
       [](const std::string& p) { Sql(p, "UPDATE book SET counts = '0 0 0 0 0 0 0 0 9'"); }},
      {"a winner outside the entry",
       [](const std::string& p) { Sql(p, "UPDATE book SET winners = '0:1 1:5 2:6 40:8'"); }},
      {"a ticket line that does not read",
       [](const std::string& p) { Sql(p, "UPDATE book SET tickets = '01 02 03 04 36 01 02 '"); }},
      {"a draw number out of range",
       [](const std::string& p) { Sql(p, "UPDATE book SET qs = 9999999"); }},
      {"a name that is no text",
       [](const std::string& p) { Sql(p, "UPDATE book SET name = x'ff00'"); }},
      {"another version", [](const std::string& p) { Sql(p, "PRAGMA user_version = 9"); }},
  };
  for (const DamageCase& c : cases) {
    TempDir dir;
    const std::string path = dir.file("book.db");
    {
      auto book = TicketBook::Open(path, true);
      const int64_t id = book->Add(Entry(2026011));
      book->SetResults(
          {{id, BookResult{test::TargetDraw(), test::KnownCounts(), test::KnownWinners()}}});
      book->Add(Entry(2026012));
    }
    c.damage(path);
    const std::string before = test::ReadBytes(path);
    try {
      TicketBook::Open(path, true);
      ADD_FAILURE() << c.what << ": opened";
    } catch (const BookError& e) {
      EXPECT_NE(std::string(e.what()).find("投注记录文件无法使用"), std::string::npos) << c.what;
      EXPECT_NE(std::string(e.what()).find("文件未作改动"), std::string::npos) << c.what;
    }
    EXPECT_EQ(test::ReadBytes(path), before) << c.what << ": the file was changed";
  }
}

TEST(TicketBook, AnEmptyFileBecomesABook) {
  TempDir dir;
  test::WriteBytes(dir.file("book.db"), "");
  auto book = TicketBook::Open(dir.file("book.db"), false);
  ASSERT_NE(book, nullptr);
  EXPECT_GT(book->Add(Entry(2026011)), 0);
}

TEST(TicketBook, AFailedChangeStoresNothing) {
  TempDir dir;
  auto book = TicketBook::Open(dir.file("book.db"), true);
  book->Add(Entry(2026011));
  NewBookEntry big = Entry(2026012);
  for (int i = 0; i < 2000; ++i) big.tickets.push_back(KnownTickets()[0]);
  {
    test::FileSizeLimit full(std::filesystem::file_size(dir.file("book.db")) + 1024);
    EXPECT_THROW(book->Add(big), DbError);
  }
  EXPECT_EQ(book->Entries().size(), 1u);
  book.reset();
  EXPECT_EQ(TicketBook::Open(dir.file("book.db"), false)->Entries().size(), 1u);
}

}  // namespace
}  // namespace dlt
