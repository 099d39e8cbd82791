#pragma once

// The formula language's messages, shown after "公式有误:" by the windows.
namespace dlt::formula_messages {

inline constexpr const char* kEmpty = "你还未输入公式";
inline constexpr const char* kSpace = "不能有空格";
inline constexpr const char* kRoundBracketsUnmatched = "\"(\"与\")\"不匹配";
inline constexpr const char* kSquareBracketsUnmatched = "\"[\"与\"]\"不匹配";
inline constexpr const char* kBadNumber = "数值型数据不能是字符，或者指标名开头不能是数字";
inline constexpr const char* kAfterOpenBracket = "\"(\"后应接数据或指标";
inline constexpr const char* kAfterOperator = "运算符号后只能接指标或数据或括号";
inline constexpr const char* kCloseWithoutOpen = "括号不匹配或位置不当";
// Full-width quotation marks, unlike the bracket-count messages.
inline constexpr const char* kOffsetUnclosed = "＂[＂没有＂]＂匹配";
inline constexpr const char* kUnknownFunctionSuffix = "函数不存在";
inline constexpr const char* kBadFunctionBody = "函数体不正确";
inline constexpr const char* kAfterFunction = "函数体后只能接运算符或括号";
inline constexpr const char* kBadFirstCharacter = "公式不能以此字符开头";
inline constexpr const char* kDivisionByZero = "除数不能为零";
inline constexpr const char* kOutOfRange = "数值超出范围";
inline constexpr const char* kBadOffset = "偏移量不正确";
inline constexpr const char* kTooDeep = "括号嵌套不能超过五层";
inline constexpr const char* kTooManyMidArguments = "mid函数的参数不能超过30个";
inline constexpr const char* kAfterCloseBracket = "括号后只能接运算符或括号";

}  // namespace dlt::formula_messages
