#include "cli/http_fetch.h"

#include <curl/curl.h>

#include <memory>
#include <mutex>

namespace dlt::cli {
namespace {

struct Download {
  std::string body;
  int64_t limit = 0;
  bool tooLarge = false;
};

size_t Collect(char* data, size_t size, size_t count, void* user) {
  auto* d = static_cast<Download*>(user);
  const size_t n = size * count;
  if (static_cast<int64_t>(d->body.size() + n) > d->limit) {
    d->tooLarge = true;
    return 0;  // curl ends the transfer with a write error
  }
  d->body.append(data, n);
  return n;
}

std::string TooLargeMessage(int64_t limit) {
  return "服务器的回答过大(超过" + std::to_string(limit / (1024 * 1024)) + " MB), 不是开奖数据";
}

using CurlHandle = std::unique_ptr<CURL, decltype(&curl_easy_cleanup)>;

}  // namespace

FetchedPage HttpGet(const std::string& address, const FetchLimits& limits) {
  static std::once_flag init;
  std::call_once(init, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });

  FetchedPage out;
  std::string url = address;
  for (int hop = 0;; ++hop) {
    CurlHandle curl(curl_easy_init(), &curl_easy_cleanup);
    if (!curl) {
      out.error = "无法启动网络连接";
      return out;
    }
    Download download;
    download.limit = limits.maxBytes;
    char detail[CURL_ERROR_SIZE] = {};
    CURL* h = curl.get();
    curl_easy_setopt(h, CURLOPT_URL, url.c_str());
    curl_easy_setopt(h, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(h, CURLOPT_FOLLOWLOCATION, 0L);  // each hop is checked here
    curl_easy_setopt(h, CURLOPT_TIMEOUT_MS, limits.timeoutMs);
    curl_easy_setopt(h, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(h, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(limits.maxBytes));
    curl_easy_setopt(h, CURLOPT_ACCEPT_ENCODING, "");
    curl_easy_setopt(h, CURLOPT_USERAGENT, "dlt");
    curl_easy_setopt(h, CURLOPT_WRITEFUNCTION, &Collect);
    curl_easy_setopt(h, CURLOPT_WRITEDATA, &download);
    curl_easy_setopt(h, CURLOPT_ERRORBUFFER, detail);

    const CURLcode rc = curl_easy_perform(h);
    if (download.tooLarge || rc == CURLE_FILESIZE_EXCEEDED) {
      out.error = TooLargeMessage(limits.maxBytes);
      return out;
    }
    if (rc == CURLE_OPERATION_TIMEDOUT) {
      out.error = "连接超时(" + std::to_string((limits.timeoutMs + 999) / 1000) + "秒内没有完成)";
      return out;
    }
    if (rc != CURLE_OK) {
      out.error = std::string("网络错误: ") + (detail[0] ? detail : curl_easy_strerror(rc));
      return out;
    }
    long status = 0;
    curl_easy_getinfo(h, CURLINFO_RESPONSE_CODE, &status);
    if (status >= 300 && status < 400) {
      const char* next = nullptr;
      curl_easy_getinfo(h, CURLINFO_REDIRECT_URL, &next);
      if (!next || !RedirectAllowed(url, next)) {
        out.error = RedirectRefusedMessage(next ? next : "");
        return out;
      }
      if (hop >= limits.maxRedirects) {
        out.error = "服务器转向次数过多";
        return out;
      }
      url = next;
      continue;
    }
    if (status != 200) {
      out.error = "服务器返回错误: HTTP " + std::to_string(status);
      return out;
    }
    out.ok = true;
    out.body = std::move(download.body);
    return out;
  }
}

}  // namespace dlt::cli
