#pragma once

#include <cstdint>
#include <string>

#include "history/results_sync.h"

namespace dlt::cli {

struct FetchLimits {
  long timeoutMs = kSyncTimeoutMs;
  int64_t maxBytes = kMaxServiceAnswerBytes;
  int maxRedirects = kMaxSyncRedirects;
};

// One GET over http or https (libcurl). Redirects are followed only on the
// same host (RedirectAllowed); an answer other than 200, a time-out, or a
// body over the limit give no page and say why.
FetchedPage HttpGet(const std::string& url, const FetchLimits& limits = {});

}  // namespace dlt::cli
