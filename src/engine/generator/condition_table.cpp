#include "generator/condition_table.h"

namespace dlt {
namespace {

// number, stem, caption, tab, sub-tab, kind, key, base key, history, line A, line B,
// picker from, picker to, check list, current value, list label, check label
constexpr std::array<FrontCondition, kFrontConditionCount> kFront{{
    {1, "dsgs", "大数个数", "常规1", "", ConditionKind::kCatalogue, "z_dsgs", "", HistoryUse::kNone,
     0, 0, 0, 5, false, false, "大数个数：", "大数个数："},
    {2, "jsgs", "奇数个数", "常规1", "", ConditionKind::kCatalogue, "z_jsgs", "", HistoryUse::kNone,
     0, 0, 0, 5, false, false, "奇数个数：", "奇数个数："},
    {3, "zsgs", "质数个数", "常规1", "", ConditionKind::kCatalogue, "z_zsgs", "", HistoryUse::kNone,
     0, 0, 0, 5, false, false, "质数个数：", "质数个数："},
    {4, "wsgs", "尾组个数", "常规1", "", ConditionKind::kCatalogue, "z_wzgs", "", HistoryUse::kNone,
     0, 0, 1, 5, false, false, "尾组个数：", "尾组个数："},
    {5, "contzs", "连号组数", "常规1", "", ConditionKind::kCatalogue, "z_lmzs", "",
     HistoryUse::kNone, 0, 0, 0, 4, false, false, "连号组数：", "连号组数："},
    {6, "repeatgs", "重号个数", "常规1", "", ConditionKind::kCatalogue, "z_cmgs", "",
     HistoryUse::kPreviousDraw, 0, 0, 0, 5, false, false, "重号个数：", "重号个数："},
    {7, "nextgs", "邻号个数", "常规1", "", ConditionKind::kCatalogue, "z_nmzs", "",
     HistoryUse::kPreviousDraw, 0, 0, 0, 5, false, false, "邻号个数：", "邻号个数："},
    {8, "yqgs", "一区个数", "常规1", "", ConditionKind::kCatalogue, "z_3fq_1qgs", "",
     HistoryUse::kNone, 0, 0, 0, 5, false, false, "三分区的一区个数：", "三分区的一区个数："},
    {9, "eqgs", "二区个数", "常规1", "", ConditionKind::kCatalogue, "z_3fq_2qgs", "",
     HistoryUse::kNone, 0, 0, 0, 5, false, false, "三分区的二区个数：", "三分区的二区个数："},
    {10, "sqgs", "三区个数", "常规1", "", ConditionKind::kCatalogue, "z_3fq_3qgs", "",
     HistoryUse::kNone, 0, 0, 0, 5, false, false, "三分区的三区个数：", "三分区的三区个数："},
    {11, "mod3get0", "除三余0个数", "余数", "除三余数", ConditionKind::kCatalogue, "z_c3y0", "",
     HistoryUse::kNone, 0, 0, 0, 5, false, false, "除3余0个数：", "除3余0个数："},
    {12, "mod3get1", "除三余1个数", "余数", "除三余数", ConditionKind::kCatalogue, "z_c3y1", "",
     HistoryUse::kNone, 0, 0, 0, 5, false, false, "除3余1个数：", "除3余1个数："},
    {13, "mod3get2", "除三余2个数", "余数", "除三余数", ConditionKind::kCatalogue, "z_c3y2", "",
     HistoryUse::kNone, 0, 0, 0, 5, false, false, "除3余2个数：", "除3余2个数："},
    {14, "notsamejjgs", "不同间距个数", "常规2", "", ConditionKind::kCatalogue, "z_jjgs", "",
     HistoryUse::kNone, 0, 0, 1, 4, false, false, "不同间距个数：", "不同间距个数："},
    {15, "ac", "AC值", "常规2", "", ConditionKind::kCatalogue, "z_ac", "", HistoryUse::kNone, 0, 0,
     0, 6, false, false, "ac值：", "ac值："},
    {16, "zdjj", "最大间距", "常规4", "", ConditionKind::kCatalogue, "z_zdjj", "",
     HistoryUse::kNone, 0, 0, 1, 31, false, true, "最大间距：", "最大间距："},
    {17, "zxjj", "最小间距", "常规4", "", ConditionKind::kCatalogue, "z_zxjj", "",
     HistoryUse::kNone, 0, 0, 1, 5, false, false, "最小间距：", "最小间距："},
    {18, "gwgs", "高尾个数", "常规4", "", ConditionKind::kCatalogue, "z_gwgs", "",
     HistoryUse::kNone, 0, 0, 0, 5, false, false, "高尾个数：", "高尾个数："},
    {19, "jhlx", "奇号连续", "常规4", "", ConditionKind::kCatalogue, "z_jhlx", "",
     HistoryUse::kNone, 0, 0, 0, 4, false, false, "奇号连续：", "奇号连续："},
    {20, "ohlx", "偶号连续", "常规4", "", ConditionKind::kCatalogue, "z_ohlx", "",
     HistoryUse::kNone, 0, 0, 0, 4, false, false, "偶号连续：", "偶号连续："},
    {21, "zhlx", "质号连续", "常规4", "", ConditionKind::kCatalogue, "z_zhlx", "",
     HistoryUse::kNone, 0, 0, 0, 4, false, false, "质号连续：", "质号连续："},
    {22, "hhlx", "合号连续", "常规4", "", ConditionKind::kCatalogue, "z_hhlx", "",
     HistoryUse::kNone, 0, 0, 0, 4, false, false, "合号连续：", "合号连续："},
    {23, "maxlh", "最大升序连号", "常规4", "", ConditionKind::kCatalogue, "z_maxlh", "",
     HistoryUse::kNone, 0, 0, 1, 5, false, false, "最大升序连号：", "最大升序连号："},
    {24, "gwhe", "高尾和", "和值系列", "和值系列一", ConditionKind::kCatalogue, "z_gwhe", "",
     HistoryUse::kNone, 0, 0, 0, 50, false, true, "高尾和：", "高尾和："},
    {25, "hmhz", "和值", "和值系列", "和值系列一", ConditionKind::kCatalogue, "z_hz", "",
     HistoryUse::kNone, 0, 0, 40, 160, false, true, "和值：", "和值："},
    {26, "hmwh", "尾和", "和值系列", "和值系列一", ConditionKind::kCatalogue, "z_wh", "",
     HistoryUse::kNone, 0, 0, 3, 47, false, true, "尾和：", "尾和："},
    {27, "ylhz", "遗漏和值", "遗漏系列", "遗漏系列二", ConditionKind::kCatalogue, "z_ylhz", "",
     HistoryUse::kOmission, 0, 0, 0, 150, true, true, "遗漏和值：", "遗漏和值："},
    {28, "", "和值6_1(极和)", "", "", ConditionKind::kReserved, "", "", HistoryUse::kNone, 0, 0, 0,
     0, false, false, "和值6_1(极和)：", "和值6_1(极和)："},
    {29, "", "差值6_1(极差)", "", "", ConditionKind::kReserved, "", "", HistoryUse::kNone, 0, 0, 0,
     0, false, false, "差值6_1(极差)：", "差值6_1(极差)："},
    {30, "jgone", "差值2_1", "线差", "间隔一", ConditionKind::kLineDifference, "xc21", "",
     HistoryUse::kNone, 2, 1, 1, 31, false, true, "差值2_1：", "差值2_1："},
    {31, "jgtwo", "差值3_2", "线差", "间隔一", ConditionKind::kLineDifference, "xc32", "",
     HistoryUse::kNone, 3, 2, 1, 31, false, true, "差值3_2：", "差值3_2："},
    {32, "jgthree", "差值4_3", "线差", "间隔一", ConditionKind::kLineDifference, "xc43", "",
     HistoryUse::kNone, 4, 3, 1, 31, false, true, "差值4_3：", "差值4_3："},
    {33, "jgfour", "差值5_4", "线差", "间隔一", ConditionKind::kLineDifference, "xc54", "",
     HistoryUse::kNone, 5, 4, 1, 31, false, true, "差值5_4：", "差值5_4："},
    {34, "", "差值6_5", "", "", ConditionKind::kReserved, "", "", HistoryUse::kNone, 0, 0, 0, 0,
     false, false, "差值6_5：", "差值6_5："},
    {35, "bzc", "标准差", "常规2", "", ConditionKind::kRange, "", "", HistoryUse::kNone, 0, 0, 0,
     99, false, false, "标准差：", "标准差："},
    {36, "lsxs", "离散系数(%)", "常规2", "", ConditionKind::kRange, "", "", HistoryUse::kNone, 0, 0,
     0, 99, false, false, "离散系数：", "离散系数："},
    {37, "", "", "", "", ConditionKind::kUnused, "", "", HistoryUse::kNone, 0, 0, 0, 0, false,
     false, "", ""},
    {38, "pd", "偏度", "常规2", "", ConditionKind::kCatalogue, "z_pd", "",
     HistoryUse::kPreviousDraw, 0, 0, 0, 24, false, true, "偏度：", "偏度："},
    {39, "sd", "散度", "常规2", "", ConditionKind::kCatalogue, "z_sd", "", HistoryUse::kNone, 0, 0,
     3, 25, false, true, "散度：", "散度："},
    {40, "coldgs", "冷号个数", "常规2", "", ConditionKind::kCatalogue, "z_lwr_lmgs", "",
     HistoryUse::kRecentDraws, 0, 0, 0, 6, false, false, "冷号个数：", "冷号个数："},
    {41, "wengs", "温号个数", "常规2", "", ConditionKind::kCatalogue, "z_lwr_wmgs", "",
     HistoryUse::kRecentDraws, 0, 0, 0, 6, false, false, "温号个数：", "温号个数："},
    {42, "hotgs", "热号个数", "常规2", "", ConditionKind::kCatalogue, "z_lwr_rmgs", "",
     HistoryUse::kRecentDraws, 0, 0, 0, 6, false, false, "热号个数：", "热号个数："},
    {43, "red1zf", "主号一振幅", "振幅系列", "振幅系列一", ConditionKind::kAmplitude, "z_num1zf",
     "z_num1", HistoryUse::kPreviousDraw, 0, 0, 0, 27, false, true, "主号一振幅：", "红号一振幅："},
    {44, "red2zf", "主号二振幅", "振幅系列", "振幅系列一", ConditionKind::kAmplitude, "z_num2zf",
     "z_num2", HistoryUse::kPreviousDraw, 0, 0, 0, 27, false, true, "主号二振幅：", "红号二振幅："},
    {45, "red3zf", "主号三振幅", "振幅系列", "振幅系列一", ConditionKind::kAmplitude, "z_num3zf",
     "z_num3", HistoryUse::kPreviousDraw, 0, 0, 0, 27, false, true, "主号三振幅：", "红号三振幅："},
    {46, "red4zf", "主号四振幅", "振幅系列", "振幅系列一", ConditionKind::kAmplitude, "z_num4zf",
     "z_num4", HistoryUse::kPreviousDraw, 0, 0, 0, 27, false, true, "主号四振幅：", "红号四振幅："},
    {47, "red5zf", "主号五振幅", "振幅系列", "振幅系列一", ConditionKind::kAmplitude, "z_num5zf",
     "z_num5", HistoryUse::kPreviousDraw, 0, 0, 0, 27, false, true, "主号五振幅：", "红号五振幅："},
    {48, "", "主号六振幅", "", "", ConditionKind::kReserved, "", "", HistoryUse::kNone, 0, 0, 0, 0,
     false, false, "主号六振幅：", "主号六振幅："},
    {49, "hzzf", "和值振幅", "振幅系列", "振幅系列一", ConditionKind::kAmplitude, "z_hzzf", "z_hz",
     HistoryUse::kPreviousDraw, 0, 0, 0, 100, false, true, "和值振幅：", "和值振幅："},
    {50, "whzf", "尾和振幅", "振幅系列", "振幅系列一", ConditionKind::kAmplitude, "z_whzf", "z_wh",
     HistoryUse::kPreviousDraw, 0, 0, 0, 44, false, true, "尾和振幅：", "尾和振幅："},
    {51, "yhzf", "遗和振幅", "振幅系列", "振幅系列一", ConditionKind::kAmplitude, "z_ylhzzf",
     "z_ylhz", HistoryUse::kOmission, 0, 0, 0, 150, false, true, "遗和振幅：", "遗和振幅："},
    {52, "cz31", "差值3_1", "线差", "间隔二", ConditionKind::kLineDifference, "xc31", "",
     HistoryUse::kNone, 3, 1, 1, 32, false, true, "差值3_1：", "差值3_1："},
    {53, "cz42", "差值4_2", "线差", "间隔二", ConditionKind::kLineDifference, "xc42", "",
     HistoryUse::kNone, 4, 2, 1, 32, false, true, "差值4_2：", "差值4_2："},
    {54, "cz53", "差值5_3", "线差", "间隔二", ConditionKind::kLineDifference, "xc53", "",
     HistoryUse::kNone, 5, 3, 1, 32, false, true, "差值5_3：", "差值5_3："},
    {55, "", "差值6_4", "", "", ConditionKind::kReserved, "", "", HistoryUse::kNone, 0, 0, 0, 0,
     false, false, "差值6_4：", "差值6_4："},
    {56, "cz41", "差值4_1", "线差", "间隔三", ConditionKind::kLineDifference, "xc41", "",
     HistoryUse::kNone, 4, 1, 1, 33, false, true, "差值4_1：", "差值4_1："},
    {57, "cz52", "差值5_2", "线差", "间隔三", ConditionKind::kLineDifference, "xc52", "",
     HistoryUse::kNone, 5, 2, 1, 33, false, true, "差值5_2：", "差值5_2："},
    {58, "", "差值6_3", "", "", ConditionKind::kReserved, "", "", HistoryUse::kNone, 0, 0, 0, 0,
     false, false, "差值6_3：", "差值6_3："},
    {59, "cz51", "差值5_1", "线差", "间隔四(极差)", ConditionKind::kLineDifference, "xc51", "",
     HistoryUse::kNone, 5, 1, 1, 34, false, true, "差值5_1：", "差值5_1："},
    {60, "", "差值6_2", "", "", ConditionKind::kReserved, "", "", HistoryUse::kNone, 0, 0, 0, 0,
     false, false, "差值6_2：", "差值6_2："},
    {61, "hz21", "和值2_1", "线和", "间隔一", ConditionKind::kLineSum, "xh21", "",
     HistoryUse::kNone, 2, 1, 3, 69, false, true, "和值2_1：", "和值2_1："},
    {62, "hz32", "和值3_2", "线和", "间隔一", ConditionKind::kLineSum, "xh32", "",
     HistoryUse::kNone, 3, 2, 3, 69, false, true, "和值3_2：", "和值3_2："},
    {63, "hz43", "和值4_3", "线和", "间隔一", ConditionKind::kLineSum, "xh43", "",
     HistoryUse::kNone, 4, 3, 3, 69, false, true, "和值4_3：", "和值4_3："},
    {64, "hz54", "和值5_4", "线和", "间隔一", ConditionKind::kLineSum, "xh54", "",
     HistoryUse::kNone, 5, 4, 3, 69, false, true, "和值5_4：", "和值5_4："},
    {65, "", "和值6_5", "", "", ConditionKind::kReserved, "", "", HistoryUse::kNone, 0, 0, 0, 0,
     false, false, "和值6_5：", "和值6_5："},
    {66, "hz31", "和值3_1", "线和", "间隔二", ConditionKind::kLineSum, "xh31", "",
     HistoryUse::kNone, 3, 1, 3, 65, false, true, "和值3_1：", "和值3_1："},
    {67, "hz42", "和值4_2", "线和", "间隔二", ConditionKind::kLineSum, "xh42", "",
     HistoryUse::kNone, 4, 2, 3, 66, false, true, "和值4_2：", "和值4_2："},
    {68, "hz53", "和值5_3", "线和", "间隔二", ConditionKind::kLineSum, "xh53", "",
     HistoryUse::kNone, 5, 3, 3, 68, false, true, "和值5_3：", "和值5_3："},
    {69, "", "和值6_4", "", "", ConditionKind::kReserved, "", "", HistoryUse::kNone, 0, 0, 0, 0,
     false, false, "和值6_4：", "和值6_4："},
    {70, "hz41", "和值4_1", "线和", "间隔三", ConditionKind::kLineSum, "xh41", "",
     HistoryUse::kNone, 4, 1, 3, 65, false, true, "和值4_1：", "和值4_1："},
    {71, "hz52", "和值5_2", "线和", "间隔三", ConditionKind::kLineSum, "xh52", "",
     HistoryUse::kNone, 5, 2, 3, 67, false, true, "和值5_2：", "和值5_2："},
    {72, "", "和值6_3", "", "", ConditionKind::kReserved, "", "", HistoryUse::kNone, 0, 0, 0, 0,
     false, false, "和值6_3：", "和值6_3："},
    {73, "hz51", "和值5_1", "线和", "间隔四(极和)", ConditionKind::kLineSum, "xh51", "",
     HistoryUse::kNone, 5, 1, 3, 66, false, true, "和值5_1：", "和值5_1："},
    {74, "", "和值6_2", "", "", ConditionKind::kReserved, "", "", HistoryUse::kNone, 0, 0, 0, 0,
     false, false, "和值6_2：", "和值6_2："},
    {75, "red1", "主号一", "常规3", "", ConditionKind::kPosition, "z_num1", "", HistoryUse::kNone,
     1, 0, 1, 31, false, true, "主号一：", "红号一："},
    {76, "red2", "主号二", "常规3", "", ConditionKind::kPosition, "z_num2", "", HistoryUse::kNone,
     2, 0, 1, 32, false, true, "主号二：", "红号二："},
    {77, "red3", "主号三", "常规3", "", ConditionKind::kPosition, "z_num3", "", HistoryUse::kNone,
     3, 0, 1, 33, false, true, "主号三：", "红号三："},
    {78, "red4", "主号四", "常规3", "", ConditionKind::kPosition, "z_num4", "", HistoryUse::kNone,
     4, 0, 1, 34, false, true, "主号四：", "红号四："},
    {79, "red5", "主号五", "常规3", "", ConditionKind::kPosition, "z_num5", "", HistoryUse::kNone,
     5, 0, 1, 35, false, true, "主号五：", "红号五："},
    {80, "", "红号六", "", "", ConditionKind::kReserved, "", "", HistoryUse::kNone, 0, 0, 0, 0,
     false, false, "红号六：", "红号六："},
    {81, "hw", "和尾", "和值系列", "和值系列一", ConditionKind::kCatalogue, "z_hw", "",
     HistoryUse::kNone, 0, 0, 0, 9, false, true, "和尾：", "和尾："},
    {82, "jshe", "奇数和", "和值系列", "和值系列一", ConditionKind::kCatalogue, "z_jshe", "",
     HistoryUse::kNone, 0, 0, 0, 160, false, true, "奇数和：", "奇数和："},
    {83, "oshe", "偶数和", "和值系列", "和值系列一", ConditionKind::kCatalogue, "z_oshe", "",
     HistoryUse::kNone, 0, 0, 0, 160, false, true, "偶数和：", "偶数和："},
    {84, "zshe", "质数和", "和值系列", "和值系列一", ConditionKind::kCatalogue, "z_zshe", "",
     HistoryUse::kNone, 0, 0, 0, 160, false, true, "质数和：", "质数和："},
    {85, "hshe", "合数和", "和值系列", "和值系列一", ConditionKind::kCatalogue, "z_hshe", "",
     HistoryUse::kNone, 0, 0, 0, 160, false, true, "合数和：", "合数和："},
    {86, "dxqdshe", "大小区大数和", "和值系列", "和值系列二", ConditionKind::kCatalogue,
     "z_dxqdshe", "", HistoryUse::kNone, 0, 0, 0, 160, false, true, "大小区大数和：",
     "大小区大数和："},
    {87, "dxqxshe", "大小区小数和", "和值系列", "和值系列二", ConditionKind::kCatalogue,
     "z_dxqxshe", "", HistoryUse::kNone, 0, 0, 0, 160, false, true, "大小区小数和：",
     "大小区小数和："},
    {88, "dzxqdshe", "大中小区大数和", "和值系列", "和值系列二", ConditionKind::kCatalogue,
     "z_dzxqdshe", "", HistoryUse::kNone, 0, 0, 0, 160, false, true, "大中小区大数和：",
     "大中小区大数和："},
    {89, "dzxqzshe", "大中小区中数和", "和值系列", "和值系列二", ConditionKind::kCatalogue,
     "z_dzxqzshe", "", HistoryUse::kNone, 0, 0, 0, 160, false, true, "大中小区中数和：",
     "大中小区中数和："},
    {90, "dzxqxshe", "大中小区小数和", "和值系列", "和值系列二", ConditionKind::kCatalogue,
     "z_dzxqxshe", "", HistoryUse::kNone, 0, 0, 0, 160, false, true, "大中小区小数和：",
     "大中小区小数和："},
    {91, "c3yshe", "除三余数和", "和值系列", "和值系列二", ConditionKind::kCatalogue, "z_c3yshe",
     "", HistoryUse::kNone, 0, 0, 0, 12, false, true, "除3余数和：", "除3余数和："},
    {92, "c4yshe", "除四余数和", "和值系列", "和值系列二", ConditionKind::kCatalogue, "z_c4yshe",
     "", HistoryUse::kNone, 0, 0, 0, 18, false, true, "除4余数和：", "除4余数和："},
    {93, "c5yshe", "除五余数和", "和值系列", "和值系列二", ConditionKind::kCatalogue, "z_c5yshe",
     "", HistoryUse::kNone, 0, 0, 0, 24, false, true, "除5余数和：", "除5余数和："},
    {94, "0lhe", "0路和", "和值系列", "和值系列三", ConditionKind::kCatalogue, "z_0lhe", "",
     HistoryUse::kNone, 0, 0, 0, 160, false, true, "0路和：", "0路和："},
    {95, "1lhe", "1路和", "和值系列", "和值系列三", ConditionKind::kCatalogue, "z_1lhe", "",
     HistoryUse::kNone, 0, 0, 0, 160, false, true, "1路和：", "1路和："},
    {96, "2lhe", "2路和", "和值系列", "和值系列三", ConditionKind::kCatalogue, "z_2lhe", "",
     HistoryUse::kNone, 0, 0, 0, 160, false, true, "2路和：", "2路和："},
    {97, "aver", "平均值", "常规2", "", ConditionKind::kCatalogue, "z_aver", "", HistoryUse::kNone,
     0, 0, 1, 33, false, true, "平数值：", "平数值："},
    {98, "mod4get0", "除四余0个数", "余数", "除四余数", ConditionKind::kCatalogue, "z_c4y0", "",
     HistoryUse::kNone, 0, 0, 0, 6, false, false, "除4余0个数：", "除4余0个数："},
    {99, "mod4get1", "除四余1个数", "余数", "除四余数", ConditionKind::kCatalogue, "z_c4y1", "",
     HistoryUse::kNone, 0, 0, 0, 6, false, false, "除4余1个数：", "除4余1个数："},
    {100, "mod4get2", "除四余2个数", "余数", "除四余数", ConditionKind::kCatalogue, "z_c4y2", "",
     HistoryUse::kNone, 0, 0, 0, 6, false, false, "除4余2个数：", "除4余2个数："},
    {101, "mod4get3", "除四余3个数", "余数", "除四余数", ConditionKind::kCatalogue, "z_c4y3", "",
     HistoryUse::kNone, 0, 0, 0, 6, false, false, "除4余3个数：", "除4余3个数："},
    {102, "mod5get0", "除五余0个数", "余数", "除五余数", ConditionKind::kCatalogue, "z_c5y0", "",
     HistoryUse::kNone, 0, 0, 0, 6, false, false, "除5余0个数：", "除5余0个数："},
    {103, "mod5get1", "除五余1个数", "余数", "除五余数", ConditionKind::kCatalogue, "z_c5y1", "",
     HistoryUse::kNone, 0, 0, 0, 6, false, false, "除5余1个数：", "除5余1个数："},
    {104, "mod5get2", "除五余2个数", "余数", "除五余数", ConditionKind::kCatalogue, "z_c5y2", "",
     HistoryUse::kNone, 0, 0, 0, 6, false, false, "除5余2个数：", "除5余2个数："},
    {105, "mod5get3", "除五余3个数", "余数", "除五余数", ConditionKind::kCatalogue, "z_c5y3", "",
     HistoryUse::kNone, 0, 0, 0, 6, false, false, "除5余3个数：", "除5余3个数："},
    {106, "mod5get4", "除五余4个数", "余数", "除五余数", ConditionKind::kCatalogue, "z_c5y4", "",
     HistoryUse::kNone, 0, 0, 0, 6, false, false, "除5余4个数：", "除5余4个数："},
    {107, "red1yl", "主号一遗漏", "遗漏系列", "遗漏系列一", ConditionKind::kOmission, "z_num1yl",
     "z_num1", HistoryUse::kOmission, 0, 0, 0, 200, true, true, "主号一遗漏：", "红号一遗漏："},
    {108, "red2yl", "主号二遗漏", "遗漏系列", "遗漏系列一", ConditionKind::kOmission, "z_num2yl",
     "z_num2", HistoryUse::kOmission, 0, 0, 0, 200, true, true, "主号二遗漏：", "红号二遗漏："},
    {109, "red3yl", "主号三遗漏", "遗漏系列", "遗漏系列一", ConditionKind::kOmission, "z_num3yl",
     "z_num3", HistoryUse::kOmission, 0, 0, 0, 200, true, true, "主号三遗漏：", "红号三遗漏："},
    {110, "red4yl", "主号四遗漏", "遗漏系列", "遗漏系列一", ConditionKind::kOmission, "z_num4yl",
     "z_num4", HistoryUse::kOmission, 0, 0, 0, 200, true, true, "主号四遗漏：", "红号四遗漏："},
    {111, "red5yl", "主号五遗漏", "遗漏系列", "遗漏系列一", ConditionKind::kOmission, "z_num5yl",
     "z_num5", HistoryUse::kOmission, 0, 0, 0, 200, true, true, "主号五遗漏：", "红号五遗漏："},
    {112, "", "红号六遗漏", "", "", ConditionKind::kReserved, "", "", HistoryUse::kNone, 0, 0, 0, 0,
     false, false, "红号六遗漏：", "红号六遗漏："},
    {113, "pdyl", "偏度遗漏", "遗漏系列", "遗漏系列一", ConditionKind::kOmission, "z_pdyl", "z_pd",
     HistoryUse::kOmission, 0, 0, 0, 200, true, true, "偏度遗漏：", "偏度遗漏："},
    {114, "sdyl", "散度遗漏", "遗漏系列", "遗漏系列一", ConditionKind::kOmission, "z_sdyl", "z_sd",
     HistoryUse::kOmission, 0, 0, 0, 200, true, true, "散度遗漏：", "散度遗漏："},
    {115, "averyl", "平均值遗漏", "遗漏系列", "遗漏系列二", ConditionKind::kOmission, "z_averyl",
     "z_aver", HistoryUse::kOmission, 0, 0, 0, 200, true, true, "平均值遗漏：", "平均值遗漏："},
    {116, "hzyl", "和值遗漏", "遗漏系列", "遗漏系列二", ConditionKind::kOmission, "z_hzyl", "z_hz",
     HistoryUse::kOmission, 0, 0, 0, 700, true, true, "和值遗漏：", "和值遗漏："},
    {117, "hwyl", "和尾遗漏", "遗漏系列", "遗漏系列二", ConditionKind::kOmission, "z_hwyl", "z_hw",
     HistoryUse::kOmission, 0, 0, 0, 100, true, true, "和尾遗漏：", "和尾遗漏："},
    {118, "whyl", "尾和遗漏", "遗漏系列", "遗漏系列二", ConditionKind::kOmission, "z_whyl", "z_wh",
     HistoryUse::kOmission, 0, 0, 0, 200, true, true, "尾和遗漏：", "尾和遗漏："},
}};

constexpr std::array<BackCondition, kBackConditionCount> kBack{{
    {1, "f_num1", "副号一", ConditionKind::kCatalogue, "f_num1", "", 1, 11, false, true},
    {2, "f_num2", "副号二", ConditionKind::kCatalogue, "f_num2", "", 2, 12, false, true},
    {3, "f_aver", "副区平均值", ConditionKind::kCatalogue, "f_aver", "", 1, 12, false, true},
    {4, "f_pd", "副区偏度", ConditionKind::kCatalogue, "f_pd", "", 0, 15, false, true},
    {5, "f_hz", "副区和值", ConditionKind::kCatalogue, "f_hz", "", 3, 23, false, true},
    {6, "f_cz", "副区差值", ConditionKind::kCatalogue, "f_cz", "", 1, 11, false, true},
    {7, "f_num1yl", "副号一遗漏", ConditionKind::kOmission, "f_num1yl", "f_num1", 0, 145, true,
     true},
    {8, "f_num2yl", "副号二遗漏", ConditionKind::kOmission, "f_num2yl", "f_num2", 0, 145, true,
     true},
}};

constexpr bool NumbersInOrder() {
  for (int i = 0; i < kFrontConditionCount; ++i)
    if (kFront[i].number != i + 1) return false;
  for (int i = 0; i < kBackConditionCount; ++i)
    if (kBack[i].number != i + 1) return false;
  return true;
}
static_assert(NumbersInOrder(), "condition tables must be indexed by number");

}  // namespace

std::span<const FrontCondition, kFrontConditionCount> FrontConditions() {
  return kFront;
}
std::span<const BackCondition, kBackConditionCount> BackConditions() {
  return kBack;
}

const FrontCondition* FindFrontCondition(int number) {
  if (number < 1 || number > kFrontConditionCount) return nullptr;
  return &kFront[number - 1];
}

const FrontCondition* FindFrontConditionByStem(std::string_view stem) {
  if (stem.empty()) return nullptr;
  for (const auto& c : kFront)
    if (c.stem == stem) return &c;
  return nullptr;
}

const FrontCondition* FindFrontConditionByKey(std::string_view key) {
  if (key.empty()) return nullptr;
  for (const auto& c : kFront)
    if (c.key == key) return &c;
  return nullptr;
}

const BackCondition* FindBackCondition(int number) {
  if (number < 1 || number > kBackConditionCount) return nullptr;
  return &kBack[number - 1];
}

const BackCondition* FindBackConditionByStem(std::string_view stem) {
  if (stem.empty()) return nullptr;
  for (const auto& c : kBack)
    if (c.stem == stem) return &c;
  return nullptr;
}

}  // namespace dlt
