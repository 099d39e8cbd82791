#pragma once

#include <optional>
#include <string>
#include <vector>

#include "generator/back_list.h"
#include "generator/result_list.h"
#include "generator/result_numbers.h"
#include "generator/ticket_list.h"

namespace dlt {

// Result files (*.txt, GBK, CR LF): one record per line, every number with
// two digits followed by one blank; 5 numbers for a front combination, 2
// for a back pair, 7 for a ticket. No header, no count, no marks.
std::string FrontResultLine(const Combo& c);    // "01 07 12 30 35 "
std::string BackResultLine(const BackPair& p);  // "03 11 "
std::string TicketResultLine(const Ticket& t);  // "01 07 12 30 35 03 11 "
// A graded ticket: its line followed by the prize text ("... 03 11 一等奖").
std::string GradedTicketLine(const Ticket& t);

// --- saving -------------------------------------------------------------------
// A name that does not contain ".txt" anywhere gets it appended; the file is
// rewritten. `savedPath` receives the name used.
bool SaveCombos(const std::vector<Combo>& combos, const std::string& name, std::string* error,
                std::string* savedPath = nullptr);
bool SaveBackPairs(const std::vector<BackPair>& pairs, const std::string& name, std::string* error,
                   std::string* savedPath = nullptr);
bool SaveTickets(const std::vector<Ticket>& tickets, const std::string& name, std::string* error,
                 std::string* savedPath = nullptr);
// Graded tickets, each line followed by its prize text.
bool SaveGradedTickets(const std::vector<Ticket>& tickets, const std::string& name,
                       std::string* error, std::string* savedPath = nullptr);

bool SaveFrontResults(const ResultList& list, const std::string& name, std::string* error,
                      std::string* savedPath = nullptr);
bool SaveBackResults(const BackList& list, const std::string& name, std::string* error,
                     std::string* savedPath = nullptr);
bool SaveTicketResults(const TicketList& list, const std::string& name, std::string* error,
                       std::string* savedPath = nullptr);

// --- loading ------------------------------------------------------------------
// The file to open for a typed name: the name itself when it exists, else
// the name with ".txt" appended when that exists, else the name.
std::string ResolveLoadPath(const std::string& name);

// Parses result lines. Every line must begin with the record's numbers
// (separated by blanks); whatever follows them on the line is ignored (a
// graded ticket's prize text); blank lines are skipped. Numbers are checked
// (range, no repeat within a zone) and sorted ascending within each zone.
// The first bad line fails the whole parse with a message naming the line
// ("a.txt 第3行: 主号36超出1到35的范围"); more records than `capacity` fail
// with `fullMessage`.
std::optional<std::vector<Combo>> ParseComboLines(const std::vector<std::string>& lines,
                                                  const std::string& fileName, int capacity,
                                                  const std::string& fullMessage,
                                                  std::string* error);
std::optional<std::vector<BackPair>> ParseBackPairLines(const std::vector<std::string>& lines,
                                                        const std::string& fileName, int capacity,
                                                        const std::string& fullMessage,
                                                        std::string* error);
std::optional<std::vector<Ticket>> ParseTicketLines(const std::vector<std::string>& lines,
                                                    const std::string& fileName, int capacity,
                                                    const std::string& fullMessage,
                                                    std::string* error);

// Read a result file for a list (the name resolved as above). Nothing of a
// bad file is returned.
std::optional<std::vector<Combo>> ReadFrontResults(const std::string& name, std::string* error);
std::optional<std::vector<BackPair>> ReadBackResults(const std::string& name, std::string* error);
std::optional<std::vector<Ticket>> ReadTicketResults(const std::string& name, std::string* error);

// Replace a list by a result file; on any failure the list is unchanged.
// The front list goes to page 1 (marks 0).
bool LoadFrontResults(ResultList& list, const std::string& name, std::string* error);
bool LoadBackResults(BackList& list, const std::string& name, std::string* error);
bool LoadTicketResults(TicketList& list, const std::string& name, std::string* error);

// --- listings -------------------------------------------------------------------
inline constexpr const char* kListingFileName = "temppadnote.txt";
// The listing file in a folder: folder + "/temppadnote.txt".
std::string ListingPath(const std::string& folder);

// The listing lines: a header, then per record "第n条" padded with blanks to
// 12 bytes (GBK) and each number as six blanks and two digits.
std::vector<std::string> FrontListingLines(const std::vector<Combo>& combos);
std::vector<std::string> TicketListingLines(const std::vector<Ticket>& tickets);
// Rewrite the listing file (GBK, CR LF).
bool WriteFrontListing(const std::vector<Combo>& combos, const std::string& path,
                       std::string* error);
bool WriteTicketListing(const std::vector<Ticket>& tickets, const std::string& path,
                        std::string* error);

}  // namespace dlt
