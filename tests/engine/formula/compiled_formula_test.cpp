// The compiled form against the interpreter on many random formulas, valid
// and invalid, at many draws of a real-size history on both sources.
#include <gtest/gtest.h>

#include <atomic>
#include <map>
#include <random>
#include <set>
#include <thread>

#include "formula/formula.h"
#include "history/history_contexts.h"
#include "support/test_support.h"

namespace dlt {
namespace {

const char* const kNames[] = {"z_num1", "z_num2", "z_num3", "z_num4", "z_num5",
                              "f_num1", "f_num2", "test",   "z_hz",   "z_hw",
                              "z_jsgs", "z_ac",   "xh21",   "zzz",    "z_num1yl"};
const char* const kFunctions[] = {"max",   "min",      "mid",   "abs", "getylz",
                                  "getzf", "getylzzf", "getzb", "foo"};
const char* const kOperators[] = {"+", "-", "*", "/", "%"};
const char* const kOffsets[] = {"[-1]",    "[1]", "[-2]",   "[+3]",
                                "[-3000]", "[0]", "[5000]", "[-2147483648]"};
const char* const kBadOffsets[] = {"[]", "[--1]", "[2147483648]", "[1+]"};
const char* const kSoup[] = {"1",
                             "0",
                             "7",
                             "12",
                             "2147483647",
                             "2147483648",
                             "z_num1",
                             "z_num3",
                             "f_num2",
                             "test",
                             "z_hz",
                             "zzz",
                             "+",
                             "-",
                             "*",
                             "/",
                             "%",
                             "(",
                             ")",
                             "[-1]",
                             "[1]",
                             "[]",
                             "[",
                             "]",
                             "max(",
                             "mid(",
                             "abs(",
                             "getylz(",
                             "getzb(",
                             "foo(",
                             ",",
                             " ",
                             "a",
                             "_",
                             "中",
                             "[-1]z_num2",
                             "(0-2147483647-1)"};

class FormulaGenerator {
 public:
  explicit FormulaGenerator(uint32_t seed) : rng_(seed) {}

  std::string Next() {
    const int kind = Pick(20);
    if (kind < 11) return Expression(0);
    if (kind < 12) return Nested();
    if (kind < 17) return Mutate(Expression(0));
    return Soup();
  }

 private:
  int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
  template <size_t N>
  const char* Any(const char* const (&items)[N]) {
    return items[Pick(static_cast<int>(N))];
  }

  std::string Number() {
    switch (Pick(6)) {
      case 0:
        return "0";
      case 1:
        return std::to_string(Pick(100000));
      default:
        return std::to_string(Pick(12));
    }
  }

  // An operand without brackets, as function arguments need.
  std::string Simple() {
    switch (Pick(4)) {
      case 0:
        return Number();
      case 1:
        return Offset() + Name();
      default:
        return Name();
    }
  }

  std::string Offset() { return Pick(10) == 0 ? Any(kBadOffsets) : Any(kOffsets); }

  // Now and then a malformed parameter key, which fails to resolve.
  std::string Name() { return Pick(40) == 0 ? "c_cz_x" : Any(kNames); }

  // Brackets around brackets, up to past the limit of five.
  std::string Nested() {
    const int levels = 3 + Pick(5);
    std::string s = Expression(0);
    for (int i = 0; i < levels; ++i)
      s = Pick(2) ? "(" + s + ")" : "(" + Simple() + std::string(Any(kOperators)) + s + ")";
    return s;
  }

  std::string Arguments() {
    std::string s;
    const int count = Pick(8) == 0 ? 29 + Pick(4) : 1 + Pick(3);
    for (int i = 0; i < count; ++i) {
      if (i) s += ",";
      s += Simple();
      if (count < 29 && Pick(3) == 0) s += std::string(Any(kOperators)) + Simple();
    }
    return s;
  }

  std::string Operand(int depth) {
    const int kind = Pick(10);
    if (kind < 3) return Number();
    if (kind < 6) return Name();
    if (kind < 7) return Offset() + Name();
    if (kind < 8 && depth < 7) return "(" + Expression(depth + 1) + ")";
    std::string call = Pick(5) == 0 ? Offset() : "";
    return call + Any(kFunctions) + "(" + Arguments() + ")";
  }

  std::string Expression(int depth) {
    std::string s = Operand(depth);
    const int more = Pick(4);
    for (int i = 0; i < more; ++i) s += std::string(Any(kOperators)) + Operand(depth);
    return s;
  }

  std::string Mutate(std::string s) {
    static const std::string kAlphabet = "0123456789+-*/%()[],azZ_ ";
    const int edits = 1 + Pick(3);
    for (int i = 0; i < edits; ++i) {
      const size_t at = s.empty() ? 0 : static_cast<size_t>(Pick(static_cast<int>(s.size())));
      const char c = kAlphabet[Pick(static_cast<int>(kAlphabet.size()))];
      switch (Pick(3)) {
        case 0:
          s.insert(s.begin() + static_cast<long>(at), c);
          break;
        case 1:
          if (!s.empty()) s.erase(at, 1);
          break;
        default:
          if (!s.empty()) s[at] = c;
      }
    }
    return s;
  }

  std::string Soup() {
    std::string s;
    const int count = Pick(10);
    for (int i = 0; i < count; ++i) s += Any(kSoup);
    return s;
  }

  std::mt19937 rng_;
};

class CompiledFormulaAgrees : public ::testing::Test {
 protected:
  static constexpr int kDraws = 3000;

  void SetUp() override {
    draws = test::RandomHistory(kDraws);
    std::mt19937 rng(11);
    testColumn.resize(kDraws);
    for (auto& t : testColumn) t = std::uniform_int_distribution<int>(0, 4)(rng);
    memory.Assign(draws);
    memory.CandidateSlot() = test::MakeDraw(0, {2, 9, 17, 26, 34}, {6, 7});
  }

  EvalContext TableAt(int pos) const {
    EvalContext c;
    c.source = Source::Table;
    c.draws = draws.data();
    c.count = kDraws;
    c.pos = pos;
    c.testColumn = testColumn.data();
    return c;
  }
  EvalContext MemoryAt(int pos) const { return MemoryContext(memory, pos, true, 3, nullptr); }

  std::vector<Draw> draws;
  std::vector<int32_t> testColumn;
  MemoryHistory memory;
};

TEST_F(CompiledFormulaAgrees, OnRandomFormulasAtManyDraws) {
  FormulaGenerator generator(2024);
  std::mt19937 rng(5);
  std::uniform_int_distribution<int> anyDraw(0, kDraws - 1);
  int okCount = 0, failCount = 0, compared = 0;
  std::map<std::string, int> errors;
  std::set<int32_t> values;

  for (int i = 0; i < 5000; ++i) {
    const std::string text = generator.Next();
    const auto compiled = CompiledFormula::Compile(text);
    ASSERT_EQ(compiled->Text(), text);
    // The history functions walk far back; keep their draws near the start.
    const bool walks = text.find("get") != std::string::npos;
    const int spread = walks ? 200 : kDraws;
    std::vector<EvalContext> contexts = {TableAt(0), TableAt(1), TableAt(kDraws - 1), MemoryAt(0),
                                         MemoryAt(kDraws)};
    for (int k = 0; k < 3; ++k) {
      contexts.push_back(TableAt(anyDraw(rng) % spread));
      contexts.push_back(MemoryAt(anyDraw(rng) % spread));
    }
    for (const EvalContext& ctx : contexts) {
      const FormulaResult expected = EvaluateFormula(ctx, text);
      const FormulaResult actual = compiled->Evaluate(ctx);
      ++compared;
      ASSERT_EQ(actual.ok, expected.ok) << "\"" << text << "\" at " << ctx.pos;
      ASSERT_EQ(actual.error, expected.error) << "\"" << text << "\" at " << ctx.pos;
      if (expected.ok) {
        ASSERT_EQ(actual.value, expected.value) << "\"" << text << "\" at " << ctx.pos;
        ++okCount;
        values.insert(expected.value);
      } else {
        ++failCount;
        ++errors[expected.error];
      }
    }
  }
  // The mix must exercise both outcomes and most of the messages.
  EXPECT_GT(okCount, compared / 5);
  EXPECT_GT(failCount, compared / 5);
  EXPECT_GE(errors.size(), 15u);
  EXPECT_GT(values.size(), 500u);
  RecordProperty("ok", okCount);
  RecordProperty("failed", failCount);
  for (const auto& [message, count] : errors) RecordProperty(message, count);
}

TEST_F(CompiledFormulaAgrees, OnDataDependentErrors) {
  // The divisor is zero at some draws only.
  const char* const texts[] = {"100/(z_num2-z_num1-1)", "1%(test)",
                               "getylz(10/test)",       "max(1,5/test)+1",
                               "[-1]z_num1/(z_num1%2)", "mid(1,2,3/test)"};
  for (const char* text : texts) {
    const auto compiled = CompiledFormula::Compile(text);
    int failures = 0, successes = 0;
    for (int pos = 0; pos < kDraws; pos += 7) {
      for (const EvalContext& ctx : {TableAt(pos), MemoryAt(pos)}) {
        const FormulaResult expected = EvaluateFormula(ctx, text);
        const FormulaResult actual = compiled->Evaluate(ctx);
        ASSERT_EQ(actual.ok, expected.ok) << text << " at " << pos;
        ASSERT_EQ(actual.value, expected.value) << text << " at " << pos;
        ASSERT_EQ(actual.error, expected.error) << text << " at " << pos;
        (expected.ok ? successes : failures)++;
      }
    }
    EXPECT_GT(failures, 0) << text;
    EXPECT_GT(successes, 0) << text;
  }
}

TEST_F(CompiledFormulaAgrees, OneCompiledFormulaServesManyThreads) {
  const auto compiled = CompiledFormula::Compile("(z_hz+[-1]z_num1)%10+getylz(z_num1)");
  std::vector<FormulaResult> expected(kDraws);
  for (int pos = 0; pos < kDraws; ++pos)
    expected[pos] = EvaluateFormula(TableAt(pos), compiled->Text());
  std::vector<std::thread> threads;
  std::atomic<int> mismatches{0};
  for (int t = 0; t < 4; ++t) {
    threads.emplace_back([&, t] {
      for (int pos = t; pos < kDraws; pos += 4) {
        const FormulaResult r = compiled->Evaluate(TableAt(pos));
        if (r.ok != expected[pos].ok || r.value != expected[pos].value) ++mismatches;
      }
    });
  }
  for (auto& th : threads) th.join();
  EXPECT_EQ(mismatches.load(), 0);
}

}  // namespace
}  // namespace dlt
