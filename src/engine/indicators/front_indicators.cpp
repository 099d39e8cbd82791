#include "indicators/front_indicators.h"

#include <array>

#include "indicators/base_indicators.h"
#include "indicators/coldhot.h"
#include "indicators/statistics.h"

namespace dlt {

int32_t OmissionSum(const EvalContext& ctx) {
  int32_t s = 0;
  for (int k = 1; k <= 5; ++k) s += NumberOmission(ctx, k);
  return s;
}

int32_t ColdNumberCount(const EvalContext& ctx) {
  return ColdWarmHotCounts(ctx).cold;
}
int32_t WarmNumberCount(const EvalContext& ctx) {
  return ColdWarmHotCounts(ctx).warm;
}
int32_t HotNumberCount(const EvalContext& ctx) {
  return ColdWarmHotCounts(ctx).hot;
}

namespace {

// Adapts a computation on the current draw alone to the row signature.
template <int32_t (*F)(const Draw&)>
int32_t OnCurrent(const Draw& d, const Draw*) {
  return F(d);
}

template <int Position>
int32_t Number(const Draw& d, const Draw*) {
  return FrontNumber(d, Position);
}
template <int Position>
int32_t Tail(const Draw& d, const Draw*) {
  return FrontTail(d, Position);
}
template <int Divisor>
int32_t RemainderSumOf(const Draw& d, const Draw*) {
  return RemainderSum(d, Divisor);
}
template <int Route>
int32_t RouteSumOf(const Draw& d, const Draw*) {
  return RouteSum(d, Route);
}
template <int Divisor, int Remainder>
int32_t RemainderCountOf(const Draw& d, const Draw*) {
  return RemainderCount(d, Divisor, Remainder);
}
template <int Zone>
int32_t ThirdZoneCountOf(const Draw& d, const Draw*) {
  return ThirdZoneCount(d, Zone);
}

using B = BaseId;

const BaseRow kFrontRows[] = {
    {B::z_num1, "z_num1", "主号一", 1, 31, &Number<1>, nullptr},
    {B::z_num2, "z_num2", "主号二", 2, 32, &Number<2>, nullptr},
    {B::z_num3, "z_num3", "主号三", 3, 33, &Number<3>, nullptr},
    {B::z_num4, "z_num4", "主号四", 4, 34, &Number<4>, nullptr},
    {B::z_num5, "z_num5", "主号五", 5, 35, &Number<5>, nullptr},
    {B::z_num1_w, "z_num1_w", "主号一尾数", 0, 9, &Tail<1>, nullptr},
    {B::z_num2_w, "z_num2_w", "主号二尾数", 0, 9, &Tail<2>, nullptr},
    {B::z_num3_w, "z_num3_w", "主号三尾数", 0, 9, &Tail<3>, nullptr},
    {B::z_num4_w, "z_num4_w", "主号四尾数", 0, 9, &Tail<4>, nullptr},
    {B::z_num5_w, "z_num5_w", "主号五尾数", 0, 9, &Tail<5>, nullptr},
    {B::z_hz, "z_hz", "主区和值", 15, 165, &OnCurrent<FrontSum>, nullptr},
    {B::z_hw, "z_hw", "主区和尾", 0, 9, &OnCurrent<FrontSumTail>, nullptr},
    {B::z_wh, "z_wh", "主区尾和", 2, 42, &OnCurrent<FrontTailSum>, nullptr},
    {B::z_aver, "z_aver", "主区平均值", 3, 33, &OnCurrent<FrontAverage>, nullptr},
    {B::z_jshe, "z_jshe", "主区奇数和", 0, 150, &OnCurrent<OddSum>, nullptr},
    {B::z_oshe, "z_oshe", "主区偶数和", 0, 140, &OnCurrent<EvenSum>, nullptr},
    {B::z_zshe, "z_zshe", "主区质数和", 0, 150, &OnCurrent<PrimeSum>, nullptr},
    {B::z_hshe, "z_hshe", "主区合数和", 0, 160, &OnCurrent<CompositeSum>, nullptr},
    {B::z_dxqdshe, "z_dxqdshe", "主区大小区大数和", 0, 150, &OnCurrent<BigHalfSum>, nullptr},
    {B::z_dxqxshe, "z_dxqxshe", "主区大小区小数和", 0, 80, &OnCurrent<SmallHalfSum>, nullptr},
    {B::z_dzxqdshe, "z_dzxqdshe", "主区大中小区大数和", 0, 150, &OnCurrent<BigThirdSum>, nullptr},
    {B::z_dzxqzshe, "z_dzxqzshe", "主区大中小区中数和", 0, 120, &OnCurrent<MiddleThirdSum>,
     nullptr},
    {B::z_dzxqxshe, "z_dzxqxshe", "主区大中小区小数和", 0, 80, &OnCurrent<SmallThirdSum>, nullptr},
    {B::z_c3yshe, "z_c3yshe", "主区除三余数和", 0, 10, &RemainderSumOf<3>, nullptr},
    {B::z_c4yshe, "z_c4yshe", "主区除四余数和", 0, 15, &RemainderSumOf<4>, nullptr},
    {B::z_c5yshe, "z_c5yshe", "主区除五余数和", 0, 20, &RemainderSumOf<5>, nullptr},
    {B::z_0lhe, "z_0lhe", "主区0路和", 0, 160, &RouteSumOf<0>, nullptr},
    {B::z_1lhe, "z_1lhe", "主区1路和", 0, 160, &RouteSumOf<1>, nullptr},
    {B::z_2lhe, "z_2lhe", "主区2路和", 0, 160, &RouteSumOf<2>, nullptr},
    {B::z_gwhe, "z_gwhe", "高尾和", 0, 35, &OnCurrent<HighTailSum>, nullptr},
    {B::z_dsgs, "z_dsgs", "主区大数个数", 0, 5, &OnCurrent<BigCount>, nullptr},
    {B::z_jsgs, "z_jsgs", "主区奇数个数", 0, 5, &OnCurrent<OddCount>, nullptr},
    {B::z_zsgs, "z_zsgs", "主区质数个数", 0, 5, &OnCurrent<PrimeCount>, nullptr},
    {B::z_cmgs, "z_cmgs", "主区重码个数", 0, 5, &RepeatCount, nullptr},
    {B::z_wzgs, "z_wzgs", "主区尾组个数", 2, 5, &OnCurrent<DistinctTailCount>, nullptr},
    {B::z_lmzs, "z_lmzs", "主区连码组数", 0, 4, &OnCurrent<ConsecutivePairCount>, nullptr},
    {B::z_maxlh, "z_maxlh", "最大升序连号", 1, 5, &OnCurrent<LongestConsecutiveRun>, nullptr},
    {B::z_nmzs, "z_nmzs", "主区邻码组数", 0, 5, &NeighbourCount, nullptr},
    {B::z_ac, "z_ac", "主区AC值", 0, 6, &OnCurrent<AcValue>, nullptr},
    {B::z_zdjj, "z_zdjj", "主区最大邻位间距", 1, 34, &OnCurrent<LargestGap>, nullptr},
    {B::z_zxjj, "z_zxjj", "主区最小邻位间距", 1, 5, &OnCurrent<SmallestGap>, nullptr},
    {B::z_jjgs, "z_jjgs", "主区邻位间距个数", 1, 4, &OnCurrent<DistinctGapCount>, nullptr},
    {B::z_c3y0, "z_c3y0", "除3余0个数", 0, 5, &RemainderCountOf<3, 0>, nullptr},
    {B::z_c3y1, "z_c3y1", "除3余1个数", 0, 5, &RemainderCountOf<3, 1>, nullptr},
    {B::z_c3y2, "z_c3y2", "除3余2个数", 0, 5, &RemainderCountOf<3, 2>, nullptr},
    {B::z_c4y0, "z_c4y0", "除4余0个数", 0, 5, &RemainderCountOf<4, 0>, nullptr},
    {B::z_c4y1, "z_c4y1", "除4余1个数", 0, 5, &RemainderCountOf<4, 1>, nullptr},
    {B::z_c4y2, "z_c4y2", "除4余2个数", 0, 5, &RemainderCountOf<4, 2>, nullptr},
    {B::z_c4y3, "z_c4y3", "除4余3个数", 0, 5, &RemainderCountOf<4, 3>, nullptr},
    {B::z_c5y0, "z_c5y0", "除5余0个数", 0, 5, &RemainderCountOf<5, 0>, nullptr},
    {B::z_c5y1, "z_c5y1", "除5余1个数", 0, 5, &RemainderCountOf<5, 1>, nullptr},
    {B::z_c5y2, "z_c5y2", "除5余2个数", 0, 5, &RemainderCountOf<5, 2>, nullptr},
    {B::z_c5y3, "z_c5y3", "除5余3个数", 0, 5, &RemainderCountOf<5, 3>, nullptr},
    {B::z_c5y4, "z_c5y4", "除5余4个数", 0, 5, &RemainderCountOf<5, 4>, nullptr},
    {B::z_3fq_1qgs, "z_3fq_1qgs", "三分区的一区个数", 0, 5, &ThirdZoneCountOf<1>, nullptr},
    {B::z_3fq_2qgs, "z_3fq_2qgs", "三分区的二区个数", 0, 5, &ThirdZoneCountOf<2>, nullptr},
    {B::z_3fq_3qgs, "z_3fq_3qgs", "三分区的三区个数", 0, 5, &ThirdZoneCountOf<3>, nullptr},
    {B::z_lwr_lmgs, "z_lwr_lmgs", "冷码个数", 0, 5, nullptr, &ColdNumberCount},
    {B::z_lwr_wmgs, "z_lwr_wmgs", "温码个数", 0, 5, nullptr, &WarmNumberCount},
    {B::z_lwr_rmgs, "z_lwr_rmgs", "热码个数", 0, 5, nullptr, &HotNumberCount},
    {B::z_gwgs, "z_gwgs", "高尾个数", 0, 5, &OnCurrent<HighTailCount>, nullptr},
    {B::z_jhlx, "z_jhlx", "奇号连续", 0, 4, &OnCurrent<OddNeighbourPairs>, nullptr},
    {B::z_ohlx, "z_ohlx", "偶号连续", 0, 4, &OnCurrent<EvenNeighbourPairs>, nullptr},
    {B::z_zhlx, "z_zhlx", "质号连续", 0, 4, &OnCurrent<PrimeNeighbourPairs>, nullptr},
    {B::z_hhlx, "z_hhlx", "合号连续", 0, 4, &OnCurrent<CompositeNeighbourPairs>, nullptr},
    {B::z_pd, "z_pd", "主区偏度", 0, 24, &FrontDeviation, nullptr},
    {B::z_sd, "z_sd", "主区散度", 0, 25, &OnCurrent<FrontScatter>, nullptr},
    {B::z_ylhz, "z_ylhz", "主区遗漏和值", 0, 100, nullptr, &OmissionSum},
    {B::z_xjhe, "z_xjhe", "小奇数和值", 0, 175, &OnCurrent<SmallOddSum>, nullptr},
    {B::z_djhe, "z_djhe", "大奇数和值", 0, 175, &OnCurrent<BigOddSum>, nullptr},
    {B::z_xohe, "z_xohe", "小偶数和值", 0, 175, &OnCurrent<SmallEvenSum>, nullptr},
    {B::z_dohe, "z_dohe", "大偶数和值", 0, 175, &OnCurrent<BigEvenSum>, nullptr},
    {B::z_xzhe, "z_xzhe", "小质数和值", 0, 175, &OnCurrent<SmallPrimeSum>, nullptr},
    {B::z_dzhe, "z_dzhe", "大质数和值", 0, 175, &OnCurrent<BigPrimeSum>, nullptr},
    {B::z_xhhe, "z_xhhe", "小合数和值", 0, 175, &OnCurrent<SmallCompositeSum>, nullptr},
    {B::z_dhhe, "z_dhhe", "大合数和值", 0, 175, &OnCurrent<BigCompositeSum>, nullptr},
};

}  // namespace

std::span<const BaseRow> FrontBaseRows() {
  return kFrontRows;
}

}  // namespace dlt
