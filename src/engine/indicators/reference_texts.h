#pragma once

#include <string>
#include <vector>

namespace dlt {

// Name of zone `zone` (1-based) of k: "小区"/"大区" for two zones, else
// "一区", "二区", ...
std::string ZoneName(int k, int zone);

// The zone reference text "分区说明": for k = 2..15 a title line
// "(二区的分区设定)", the zones as name<first..last> ten spaces apart, and
// an empty line.
std::vector<std::string> ZoneTextLines();

// The shape reference text "形态取值说明": four groups (two and three
// values, ordered and unordered), each a title, one line per shape family
// listing "      value=  name" for every value, and an empty line.
std::vector<std::string> ShapeTextLines();

}  // namespace dlt
