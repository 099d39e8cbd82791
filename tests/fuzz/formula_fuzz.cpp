// The formula language: the interpreter `tgs` and the compiled form must
// give the same value or the same error for every text, at every draw of a
// small fixed history read through both evaluation sources.
#include <vector>

#include "common/draw.h"
#include "formula/formula.h"
#include "fuzz_support.h"
#include "history/draw_text_io.h"
#include "history/eval_contexts.h"
#include "history/memory_history.h"

namespace {

using namespace dlt;

struct History {
  std::vector<Draw> draws = MakeDemoDraws(40, 12);
  std::vector<int32_t> testColumn;
  MemoryHistory memory;
  EvalEnv env;
  std::vector<EvalContext> contexts;

  History() {
    for (size_t i = 0; i < draws.size(); ++i) testColumn.push_back(static_cast<int32_t>(i % 5));
    memory.Assign(draws);
    memory.CandidateSlot() = draws[7];
    const int last = static_cast<int>(draws.size()) - 1;
    for (int pos : {0, 1, 20, last}) {
      EvalContext c;
      c.source = Source::Table;
      c.draws = draws.data();
      c.count = static_cast<int>(draws.size());
      c.pos = pos;
      c.testColumn = testColumn.data();
      c.env = &env;
      contexts.push_back(c);
    }
    for (int pos : {0, last, last + 1})
      contexts.push_back(MemoryContext(memory, pos, true, 3, &env));
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const History history;
  const std::string_view text = fuzz::AsText(data, size);
  const auto compiled = CompiledFormula::Compile(text);
  fuzz::Check(compiled->Text() == text, "the compiled form keeps its text", text);
  for (const EvalContext& ctx : history.contexts) {
    const FormulaResult expected = EvaluateFormula(ctx, text);
    const FormulaResult actual = compiled->Evaluate(ctx);
    fuzz::Check(actual.ok == expected.ok, "interpreter and compiled form differ on success", text);
    fuzz::Check(actual.error == expected.error, "interpreter and compiled form differ on the error",
                text);
    if (expected.ok)
      fuzz::Check(actual.value == expected.value,
                  "interpreter and compiled form differ on the value", text);
  }
  return 0;
}

std::vector<dlt::fuzz::Seed> dlt::fuzz::Seeds() {
  return {
      {"seed-indicator", "z_hz"},
      {"seed-brackets", "(z_hz+z_num1)%10"},
      {"seed-left-to-right", "2+3*4-1"},
      {"seed-negative-division", "(0-7)/2+(0-7)%2"},
      {"seed-five-deep", "1+(2*(3+(4*(5+(6)))))"},
      {"seed-offsets", "[-1]z_num1+[2]f_num2-test"},
      {"seed-max-min", "max(z_num1,[-1]z_num2,3)+min(f_num1,f_num2)"},
      {"seed-mid-abs", "mid(1,2,3,z_num4)*abs(0-z_ac)"},
      {"seed-history-functions", "getylz(z_num1)+getzf(z_hw)-getylzzf(z_jsgs)"},
      {"seed-getzb", "[-2]getzb(z_num2)+getzb(7,z_num2)"},
      {"seed-family", "z_num1yl%3"},
      {"seed-parameterised", "c_cz_1+c_hz_16"},
      {"seed-unparsable", "z_hz+*foo("},
      {"seed-zero-divisor", "z_hz/0"},
      {"seed-six-deep", "((((((1))))))"},
      {"seed-overflow", "2147483647+1"},
      {"seed-offset-too-large", "[2147483648]z_num1"},
      {"seed-unknown-key", "Z_HZ"},
      {"seed-full-width-blank", "z_hz\xe3\x80\x80"},
      {"seed-unclosed-call", "max(1,2"},
      {"seed-mid-too-many",
       "mid(1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,23,24,25,26,27,28,29,30,31)"},
  };
}
