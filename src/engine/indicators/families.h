#pragma once

#include <cstdint>
#include <vector>

#include "indicators/catalogue.h"
#include "indicators/eval_context.h"
#include "indicators/indicator_id.h"

namespace dlt {

// The family rows in catalogue order: amplitudes ("zf"), omissions ("yl"),
// global omissions ("yl_toall"), omission amplitudes ("ylzf").
std::vector<CatalogueEntry> FamilyEntries();

// The value of any catalogue id at the context's draw.
int32_t CatalogueValue(IndicatorRef ref, const EvalContext& ctx);

}  // namespace dlt
