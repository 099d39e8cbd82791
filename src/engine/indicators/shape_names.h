#pragma once

#include <string>
#include <vector>

namespace dlt {

// Combination shapes of two (arity 2) or three (arity 3) formula values.
// Types 0..13 are seven class families, each ordered (单选, even type) and
// unordered (组选, odd type); three values add the numeric types 14..30.
constexpr int kShapeFamilyCount = 7;
int ShapeTypeCount(int arity);  // 14 for two values, 31 for three, else 0

// Whether the type's value classifies every value (and has value names).
bool IsClassShape(int type);
// Classes per value of a class type: 2 (binary) or 3 (ternary).
int ShapeClassCount(int type);

// "单选奇偶" .. "组选邻孤传" for 0..13, the entries of "更多组合指标" for
// 14..30 (three values only); empty for a type that does not exist.
std::string ShapeTypeName(int type, int arity);

// The names of the shape's values in value order ("偶偶", "偶奇", "奇偶",
// "奇奇" for type 0 of two values); empty for the numeric types and for a
// type that does not exist.
std::vector<std::string> ShapeValueNames(int type, int arity);

// Index of the ascending `classes` among all ascending tuples of the same
// length over 0..k-1 in lexicographic order: the unordered shape value.
int UnorderedShapeIndex(std::vector<int> classes, int k);

}  // namespace dlt
