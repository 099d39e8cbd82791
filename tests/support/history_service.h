#pragma once

#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "common/draw.h"
#include "history/prize_amounts.h"

namespace dlt::test {

// --- recorded pages of the history service, built from a history -----------

// The tiers the recorded pages give a draw: figures that follow from its
// number, a tier without winners ("---", "" or "-1") and one with fen.
DrawPrizes RecordedPrizes(const Draw& d);

// One row in the service's layout: {"lotteryDrawNum":"07001", ...}.
std::string ServiceRowJson(const Draw& d);

// A whole answer holding the given rows as page `pageNo` of `pages`.
std::string ServiceAnswerJson(int pageNo, int pages, int total,
                              const std::vector<std::string>& rowsJson);

// Page `pageNo` of the service over `history` (ascending, as the table holds
// it): the newest draw first, `pageSize` rows a page.
std::string ServicePageJson(const std::vector<Draw>& history, int pageNo, int pageSize = 100);

// The service refusing a request: errorCode and errorMessage, success false.
std::string ServiceErrorJson(const std::string& code, const std::string& message);

// The page a request asks for ("...&pageNo=3"), 0 when it names none.
int AskedPage(const std::string& target);

// --- a web server on 127.0.0.1 --------------------------------------------

struct HttpAnswer {
  int status = 200;
  std::string body;
  std::string contentType = "application/json;charset=UTF-8";
  std::string location;    // a redirect's Location
  bool sendLength = true;  // false: the body ends when the connection closes
  bool hang = false;       // read the request, answer nothing until the client gives up

  static HttpAnswer Json(std::string body) { return With(200, std::move(body), {}); }
  static HttpAnswer Status(int status, std::string body, std::string type = "text/plain") {
    HttpAnswer a = With(status, std::move(body), {});
    a.contentType = std::move(type);
    return a;
  }
  static HttpAnswer Redirect(int status, std::string location) {
    return With(status, {}, std::move(location));
  }
  static HttpAnswer Hang() {
    HttpAnswer a;
    a.hang = true;
    return a;
  }

 private:
  static HttpAnswer With(int status, std::string body, std::string location) {
    HttpAnswer a;
    a.status = status;
    a.body = std::move(body);
    a.location = std::move(location);
    return a;
  }
};

// Serves one connection at a time on its own thread; every request is
// answered by the handler from its target ("/path?query").
class LoopbackServer {
 public:
  using Handler = std::function<HttpAnswer(const std::string& target)>;

  explicit LoopbackServer(Handler handler);
  ~LoopbackServer();
  LoopbackServer(const LoopbackServer&) = delete;
  LoopbackServer& operator=(const LoopbackServer&) = delete;

  int Port() const { return port_; }
  // http://127.0.0.1:PORT + path
  std::string Url(const std::string& path = "/gateway/lottery/getHistoryPageListV1.qry") const;
  // The targets asked for so far, in order.
  std::vector<std::string> Requests() const;

 private:
  void Serve();
  void Answer(int connection);

  Handler handler_;
  int listener_ = -1;
  int port_ = 0;
  std::atomic<int> connection_{-1};
  std::atomic<bool> stopping_{false};
  mutable std::mutex mutex_;
  std::vector<std::string> requests_;
  std::thread thread_;
};

// A server that answers the pages of `history` as the service would.
LoopbackServer::Handler ServiceOver(std::vector<Draw> history);

}  // namespace dlt::test
