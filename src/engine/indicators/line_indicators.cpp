#include "indicators/line_indicators.h"

#include "indicators/base_indicators.h"

namespace dlt {
namespace {

template <int A, int B>
int32_t Sum(const Draw& d, const Draw*) {
  return LineSum(d, A, B);
}
template <int A, int B>
int32_t Difference(const Draw& d, const Draw*) {
  return LineDifference(d, A, B);
}

using B = BaseId;

const BaseRow kLineRows[] = {
    {B::xh21, "xh21", "线和2_1", 3, 65, &Sum<2, 1>, nullptr},
    {B::xh32, "xh32", "线和3_2", 3, 65, &Sum<3, 2>, nullptr},
    {B::xh43, "xh43", "线和4_3", 3, 65, &Sum<4, 3>, nullptr},
    {B::xh54, "xh54", "线和5_4", 3, 65, &Sum<5, 4>, nullptr},
    {B::xh31, "xh31", "线和3_1", 3, 65, &Sum<3, 1>, nullptr},
    {B::xh42, "xh42", "线和4_2", 3, 65, &Sum<4, 2>, nullptr},
    {B::xh53, "xh53", "线和5_3", 3, 65, &Sum<5, 3>, nullptr},
    {B::xh41, "xh41", "线和4_1", 3, 65, &Sum<4, 1>, nullptr},
    {B::xh52, "xh52", "线和5_2", 3, 65, &Sum<5, 2>, nullptr},
    {B::xh51, "xh51", "线和5_1", 3, 65, &Sum<5, 1>, nullptr},
    {B::xc21, "xc21", "线差2_1", 1, 30, &Difference<2, 1>, nullptr},
    {B::xc32, "xc32", "线差3_2", 1, 30, &Difference<3, 2>, nullptr},
    {B::xc43, "xc43", "线差4_3", 1, 30, &Difference<4, 3>, nullptr},
    {B::xc54, "xc54", "线差5_4", 1, 30, &Difference<5, 4>, nullptr},
    {B::xc31, "xc31", "线差3_1", 1, 30, &Difference<3, 1>, nullptr},
    {B::xc42, "xc42", "线差4_2", 1, 30, &Difference<4, 2>, nullptr},
    {B::xc53, "xc53", "线差5_3", 1, 30, &Difference<5, 3>, nullptr},
    {B::xc41, "xc41", "线差4_1", 1, 30, &Difference<4, 1>, nullptr},
    {B::xc52, "xc52", "线差5_2", 1, 30, &Difference<5, 2>, nullptr},
    {B::xc51, "xc51", "线差5_1", 1, 30, &Difference<5, 1>, nullptr},
};

}  // namespace

std::span<const BaseRow> LineBaseRows() {
  return kLineRows;
}

}  // namespace dlt
