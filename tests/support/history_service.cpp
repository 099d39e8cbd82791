#include "support/history_service.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdio>

#include "common/numbers.h"

namespace dlt::test {
namespace {

// "1234567" -> "1,234,567"
std::string Grouped(int64_t n) {
  std::string digits = std::to_string(n);
  std::string out;
  for (size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) out += ',';
    out += digits[i];
  }
  return out;
}

std::string CountText(const std::optional<int64_t>& n, const char* none) {
  return n ? Grouped(*n) : none;
}

std::string AmountText(const std::optional<int64_t>& fen, const char* none) {
  if (!fen) return none;
  std::string s = Grouped(*fen / 100);
  if (const int64_t cents = *fen % 100; cents != 0)
    s += "." + std::string(1, static_cast<char>('0' + cents / 10)) +
         static_cast<char>('0' + cents % 10);
  return s;
}

std::string Numbers(const Draw& d, bool unsorted) {
  std::vector<int> n(d.front.begin(), d.front.end());
  if (unsorted) std::swap(n[0], n[4]);
  std::string s;
  for (int x : n) s += TwoDigit(x) + " ";
  return s + TwoDigit(d.back[0]) + " " + TwoDigit(d.back[1]);
}

PrizeTier Tier(const char* name, int level, bool additional, std::optional<int64_t> winners,
               std::optional<int64_t> fen) {
  return {name, level, additional, winners, fen};
}

void SendAll(int fd, const std::string& bytes) {
  size_t sent = 0;
  while (sent < bytes.size()) {
    const ssize_t n = send(fd, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
    if (n <= 0) return;  // the client gave up (a body over its limit)
    sent += static_cast<size_t>(n);
  }
}

const char* Reason(int status) {
  switch (status) {
    case 200:
      return "OK";
    case 301:
      return "Moved Permanently";
    case 302:
      return "Found";
    case 400:
      return "Bad Request";
    case 404:
      return "Not Found";
    default:
      return "Error";
  }
}

}  // namespace

DrawPrizes RecordedPrizes(const Draw& d) {
  const int k = d.qs % 7;
  DrawPrizes p;
  p.qs = d.qs;
  p.tiers = {
      Tier("一等奖", 1, false, k,
           k > 0 ? std::optional<int64_t>((10000000 + d.qs % 100) * 100LL) : std::nullopt),
      Tier("一等奖(追加)", 1, true, k / 2,
           k / 2 > 0 ? std::optional<int64_t>(800000000LL) : std::nullopt),
      Tier("二等奖", 2, false, 61 + d.qs % 50, (155846 + d.qs % 1000) * 100LL),
      Tier("二等奖(追加)", 2, true, 20, 12467680),
      Tier("三等奖", 3, false, std::nullopt, std::nullopt),
      Tier("七等奖", 7, false, 1234567, 10000),
  };
  return p;
}

std::string ServiceRowJson(const Draw& d) {
  char number[8];
  std::snprintf(number, sizeof number, "%05d", d.qs % 100000);
  std::string row = std::string("{\"lotteryDrawNum\":\"") + number +
                    "\",\"lotteryDrawTime\":\"2026-08-17\",\"lotteryDrawResult\":\"" +
                    Numbers(d, false) + "\",\"lotteryUnsortDrawresult\":\"" + Numbers(d, true) +
                    "\",\"poolBalanceAfterdraw\":\"825,721,619.33\",\"prizeLevelList\":[";
  const DrawPrizes prizes = RecordedPrizes(d);
  // Each tier without a figure says so in another of the service's ways.
  const char* marks[] = {"---", "", "-1"};
  for (size_t i = 0; i < prizes.tiers.size(); ++i) {
    const PrizeTier& t = prizes.tiers[i];
    const char* none = marks[i % 3];
    if (i) row += ",";
    row += "{\"prizeLevel\":\"" + t.name + "\",\"stakeCount\":\"" + CountText(t.winners, none) +
           "\",\"stakeAmount\":\"" + AmountText(t.amountFen, none) +
           "\",\"sort\":" + std::to_string(i + 1) + ",\"group\":\"" + std::to_string(t.level) +
           "\"}";
  }
  return row + "]}";
}

std::string ServiceAnswerJson(int pageNo, int pages, int total,
                              const std::vector<std::string>& rowsJson) {
  std::string list;
  for (size_t i = 0; i < rowsJson.size(); ++i) list += (i ? "," : "") + rowsJson[i];
  return "{\"dataFrom\":\"\",\"emptyFlag\":false,\"errorCode\":\"0\",\"errorMessage\":"
         "\"处理成功\",\"success\":true,\"value\":{\"lastPoolDraw\":null,\"list\":[" +
         list + "],\"pageNo\":" + std::to_string(pageNo) +
         ",\"pageSize\":100,\"pages\":" + std::to_string(pages) +
         ",\"total\":" + std::to_string(total) + "}}";
}

std::string ServicePageJson(const std::vector<Draw>& history, int pageNo, int pageSize) {
  const int total = static_cast<int>(history.size());
  const int pages = (total + pageSize - 1) / pageSize;
  std::vector<std::string> rows;
  for (int i = total - 1 - (pageNo - 1) * pageSize; i >= 0 && i > total - 1 - pageNo * pageSize;
       --i)
    rows.push_back(ServiceRowJson(history[i]));
  return ServiceAnswerJson(pageNo, pages, total, rows);
}

std::string ServiceErrorJson(const std::string& code, const std::string& message) {
  return "{\"errorCode\":\"" + code + "\",\"errorMessage\":\"" + message +
         "\",\"success\":false,\"value\":null}";
}

int AskedPage(const std::string& target) {
  const size_t p = target.find("pageNo=");
  if (p == std::string::npos) return 0;
  int n = 0;
  for (size_t i = p + 7; i < target.size() && target[i] >= '0' && target[i] <= '9'; ++i)
    n = n * 10 + (target[i] - '0');
  return n;
}

LoopbackServer::LoopbackServer(Handler handler) : handler_(std::move(handler)) {
  listener_ = socket(AF_INET, SOCK_STREAM, 0);
  const int on = 1;
  setsockopt(listener_, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = 0;
  bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address);
  listen(listener_, 8);
  socklen_t length = sizeof address;
  getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length);
  port_ = ntohs(address.sin_port);
  thread_ = std::thread([this] { Serve(); });
}

LoopbackServer::~LoopbackServer() {
  stopping_ = true;
  shutdown(listener_, SHUT_RDWR);  // wakes the accept
  if (const int c = connection_.load(); c >= 0) shutdown(c, SHUT_RDWR);
  thread_.join();
  close(listener_);
}

std::string LoopbackServer::Url(const std::string& path) const {
  return "http://127.0.0.1:" + std::to_string(port_) + path;
}

std::vector<std::string> LoopbackServer::Requests() const {
  std::lock_guard lock(mutex_);
  return requests_;
}

void LoopbackServer::Serve() {
  while (!stopping_) {
    const int c = accept(listener_, nullptr, nullptr);
    if (c < 0) continue;
    connection_ = c;
    if (!stopping_) Answer(c);
    connection_ = -1;
    close(c);
  }
}

void LoopbackServer::Answer(int c) {
  std::string request;
  char buffer[4096];
  while (request.find("\r\n\r\n") == std::string::npos && request.size() < 65536) {
    const ssize_t n = recv(c, buffer, sizeof buffer, 0);
    if (n <= 0) return;
    request.append(buffer, static_cast<size_t>(n));
  }
  // "GET /path?query HTTP/1.1"
  const size_t from = request.find(' ') + 1;
  const std::string target = request.substr(from, request.find(' ', from) - from);
  {
    std::lock_guard lock(mutex_);
    requests_.push_back(target);
  }
  const HttpAnswer a = handler_(target);
  if (a.hang) {
    while (recv(c, buffer, sizeof buffer, 0) > 0) {
    }
    return;
  }
  std::string head = "HTTP/1.1 " + std::to_string(a.status) + " " + Reason(a.status) +
                     "\r\nContent-Type: " + a.contentType + "\r\nConnection: close\r\n";
  if (a.sendLength) head += "Content-Length: " + std::to_string(a.body.size()) + "\r\n";
  if (!a.location.empty()) head += "Location: " + a.location + "\r\n";
  SendAll(c, head + "\r\n" + a.body);
  shutdown(c, SHUT_WR);
}

LoopbackServer::Handler ServiceOver(std::vector<Draw> history) {
  return [history = std::move(history)](const std::string& target) {
    const int page = AskedPage(target);
    if (page < 1) return HttpAnswer::Status(400, "no page");
    return HttpAnswer::Json(ServicePageJson(history, page));
  };
}

}  // namespace dlt::test
