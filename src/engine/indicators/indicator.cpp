#include "indicators/indicator.h"

#include <mutex>
#include <shared_mutex>
#include <unordered_map>

#include "indicators/base_indicators.h"
#include "indicators/catalogue.h"
#include "indicators/compound.h"
#include "indicators/families.h"

namespace dlt {
namespace {

// `test` reads the table's current record whatever the source.
class TestIndicator final : public Indicator {
 public:
  int32_t Value(const EvalContext& ctx) const override { return ctx.Test(); }
};

// A base key calls its row's computation directly.
class BaseIndicatorObject final : public Indicator {
 public:
  explicit BaseIndicatorObject(BaseId id) : row_(&BaseIndicatorRow(id)) {}
  int32_t Value(const EvalContext& ctx) const override {
    if (row_->draw) return row_->draw(ctx.Current(), ctx.HasPrevious() ? &ctx.Previous() : nullptr);
    return row_->context(ctx);
  }
  std::optional<IndicatorRef> CatalogueRef() const override {
    return IndicatorRef{Family::Base, row_->id};
  }

 private:
  const BaseRow* row_;
};

class CatalogueIndicator final : public Indicator {
 public:
  explicit CatalogueIndicator(IndicatorRef ref) : ref_(ref) {}
  int32_t Value(const EvalContext& ctx) const override { return CatalogueValue(ref_, ctx); }
  std::optional<IndicatorRef> CatalogueRef() const override { return ref_; }

 private:
  IndicatorRef ref_;
};

Resolution ResolveUncached(std::string_view key) {
  if (key == "test") return {std::make_shared<TestIndicator>(), {}};
  if (const CatalogueEntry* e = FindCatalogueEntry(key)) {
    if (e->ref.family == Family::Base)
      return {std::make_shared<BaseIndicatorObject>(e->ref.base), {}};
    return {std::make_shared<CatalogueIndicator>(e->ref), {}};
  }
  if (auto compound = ResolveCompound(key)) return *std::move(compound);
  return {};
}

struct KeyHash {
  using is_transparent = void;
  size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
};

// Every key is resolved once; later calls share the same object. Keys made
// up by users (formula shapes) are unbounded in principle, so the cache
// stops growing at a size no real session reaches.
class ResolutionCache {
 public:
  static constexpr size_t kMaxKeys = size_t{1} << 16;

  Resolution Get(std::string_view key) {
    {
      std::shared_lock lock(mutex_);
      if (auto it = map_.find(key); it != map_.end()) return it->second;
    }
    // Resolved without the lock: a shape key resolves its own formulas'
    // names through this cache again.
    Resolution r = ResolveUncached(key);
    std::unique_lock lock(mutex_);
    if (auto it = map_.find(key); it != map_.end()) return it->second;  // another thread won
    if (map_.size() < kMaxKeys) map_.emplace(std::string(key), r);
    return r;
  }

 private:
  std::shared_mutex mutex_;
  std::unordered_map<std::string, Resolution, KeyHash, std::equal_to<>> map_;
};

ResolutionCache& Cache() {
  static ResolutionCache cache;
  return cache;
}

}  // namespace

Resolution ResolveIndicator(std::string_view key) {
  return Cache().Get(key);
}

int32_t IndicatorValue(const EvalContext& ctx, std::string_view key) {
  const Resolution r = ResolveIndicator(key);
  return r.ok() ? r.indicator->Value(ctx) : kNoValue;
}

}  // namespace dlt
