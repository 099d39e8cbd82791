#include "indicators/back_indicators.h"

#include "indicators/base_indicators.h"

namespace dlt {
namespace {

template <int32_t (*F)(const Draw&)>
int32_t OnCurrent(const Draw& d, const Draw*) {
  return F(d);
}
template <int Position>
int32_t Number(const Draw& d, const Draw*) {
  return BackNumber(d, Position);
}

using B = BaseId;

const BaseRow kBackRows[] = {
    {B::f_num1, "f_num1", "副号一", 1, 11, &Number<1>, nullptr},
    {B::f_num2, "f_num2", "副号二", 2, 12, &Number<2>, nullptr},
    {B::f_hz, "f_hz", "副区和值", 3, 23, &OnCurrent<BackSum>, nullptr},
    {B::f_cz, "f_cz", "副区差值", 1, 11, &OnCurrent<BackDifference>, nullptr},
    {B::f_aver, "f_aver", "副区平均值", 1, 12, &OnCurrent<BackAverage>, nullptr},
    {B::f_pd, "f_pd", "副区偏度", 0, 15, &BackDeviation, nullptr},
    {B::f_sd, "f_sd", "副区散度", 0, 16, &OnCurrent<BackDifference>, nullptr},
};

}  // namespace

std::span<const BaseRow> BackBaseRows() {
  return kBackRows;
}

}  // namespace dlt
