#include "common/shape_class_table.h"

namespace dlt {

tzbpxz_zj1 DefaultShapeClassTable() {
  struct Entry {
    const char* name;
    int classes;
  };
  static constexpr Entry kRows[] = {{"尾号", 10}, {"奇偶", 2}, {"质合", 2},     {"小大", 2},
                                    {"三区", 3},  {"四区", 4}, {"除三余数", 3}, {"除四余数", 4}};
  tzbpxz_zj1 t;
  int column = 1;
  for (const Entry& e : kRows) {
    ++t.count;
    t.rows[t.count] = {e.name, e.classes, column};
    column += e.classes;
  }
  return t;
}

}  // namespace dlt
