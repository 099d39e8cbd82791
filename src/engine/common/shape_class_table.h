#pragma once

#include <array>
#include <string>

namespace dlt {

// The shape-class table: rows of (name, number of classes, first column)
// that lay out the class columns of the component dialog and the analysis
// charts.
struct tzbpxz_zj1 {
  struct Row {
    std::string name;
    int classes = 0;
    int firstColumn = 0;
  };
  std::array<Row, 50> rows{};  // rows[1..count] are used
  int count = 0;
};

// The eight rows filled at start-up: 尾号 10 from column 1, 奇偶 2 from 11,
// 质合 2 from 13, 小大 2 from 15, 三区 3 from 17, 四区 4 from 20, 除三余数 3
// from 24, 除四余数 4 from 27.
tzbpxz_zj1 DefaultShapeClassTable();

}  // namespace dlt
