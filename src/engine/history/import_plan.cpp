#include "history/import_plan.h"

#include <algorithm>

namespace dlt {

ImportPlan PlanImport(const DrawFileReading& file, const std::vector<Draw>& stored,
                      bool overwrite) {
  ImportPlan plan;
  plan.overwrite = overwrite;
  plan.layout = file.layout;
  plan.fileDraws = file.draws.size();
  if (!file.draws.empty()) {
    plan.first = file.draws.front();
    plan.last = file.draws.back();
  }
  plan.storedDraws = stored.size();
  // Both lists are in draw order: one walk pairs them.
  auto s = stored.begin();
  for (const Draw& d : file.draws) {
    s = std::lower_bound(s, stored.end(), d.qs,
                         [](const Draw& x, int32_t qs) { return x.qs < qs; });
    if (s == stored.end() || s->qs != d.qs)
      ++plan.newDraws;
    else if (*s == d)
      ++plan.sameDraws;
    else
      plan.conflicts.push_back({d, *s});
  }
  if (overwrite) plan.newDraws = plan.fileDraws;
  return plan;
}

std::vector<std::string> PreviewLines(const ImportPlan& plan) {
  std::vector<std::string> lines = {"格式: " + DescribeLayout(plan.layout)};
  for (const std::string& note : LayoutNotes(plan.layout)) lines.push_back(note);
  lines.push_back("文件中共" + std::to_string(plan.fileDraws) +
                  "期, 第一期: " + DrawText(plan.first) + ", 最后一期: " + DrawText(plan.last));
  if (plan.overwrite) {
    lines.push_back("覆盖导入: 删除现有的全部" + std::to_string(plan.storedDraws) +
                    "期, 换成文件中的" + std::to_string(plan.fileDraws) + "期");
  } else {
    lines.push_back("追加导入: 新增" + std::to_string(plan.newDraws) + "期, " +
                    std::to_string(plan.sameDraws) + "期与已存的相同, " +
                    std::to_string(plan.conflicts.size()) + "期与已存的不同");
  }
  for (const std::string& line : ConflictLines(plan)) lines.push_back(line);
  return lines;
}

std::vector<std::string> ConflictLines(const ImportPlan& plan, size_t listed) {
  if (plan.conflicts.empty()) return {};
  std::vector<std::string> lines = {
      "文件中有" + std::to_string(plan.conflicts.size()) + "期与已存的号码不同(" +
      (plan.overwrite ? "覆盖导入换成文件中的" : "追加导入保留已存的, 覆盖导入才换成文件中的") +
      "):"};
  for (size_t i = 0; i < plan.conflicts.size() && i < listed; ++i) {
    const DrawConflict& c = plan.conflicts[i];
    lines.push_back("  第" + std::to_string(c.inFile.qs) + "期 文件: " + NumbersOnlyText(c.inFile) +
                    ", 已存: " + NumbersOnlyText(c.stored));
  }
  if (plan.conflicts.size() > listed)
    lines.push_back("  另有" + std::to_string(plan.conflicts.size() - listed) + "期未列出");
  return lines;
}

}  // namespace dlt
