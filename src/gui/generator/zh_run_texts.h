#pragma once

namespace dlt::gui {

// Texts the generator window shows while a run works: the message box and
// the window caption.
inline constexpr const char* kFilteringNotice = "正在过滤中，请稍候.";
inline constexpr const char* kFilteringCaption = "超强组号   正在过滤中,请稍候";
inline constexpr const char* kScreeningCaption = "超强组号   正在筛选中,请稍候";

}  // namespace dlt::gui
