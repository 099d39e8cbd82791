#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace dlt {

// Why a formula can never be computed, found without any draw: what the
// formula language's own scan refuses (the compiler's scan, message for
// message), a name the indicator catalogue does not resolve (it would read
// -999 for every draw: "Z_HZ指标不存在"), and a division or remainder by
// the number 0. nullopt when the formula is sound. Long names are cut in
// the message.
std::optional<std::string> FormulaProblem(std::string_view text);

// The message a user sees when a formula is entered: "公式有误:" and the
// problem; nullopt when the formula is sound.
std::optional<std::string> CheckFormula(std::string_view text);

// The check of every place that takes "an indicator key or a formula": the
// text as it is evaluated (blanks trimmed) is fine when it is a catalogue or
// parameter key as written (parameter keys may hold operator characters),
// else it must pass FormulaProblem. ExpressionProblem gives the bare
// problem, CheckExpression the message with "公式有误:".
std::optional<std::string> ExpressionProblem(std::string_view text);
std::optional<std::string> CheckExpression(std::string_view text);

}  // namespace dlt
