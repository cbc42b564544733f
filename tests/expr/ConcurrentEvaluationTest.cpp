// Threads evaluating the same compiled expressions at once, without the
// computation lock, get what Evaluate gives one value at a time.

#include "EngineFixture.h"

#include <cstring>
#include <thread>
#include <vector>

namespace {

const char* const kFormulas[] = {
    "2sin(x)^2-|x|/3",    "x^3-2x^2+x-5",          "sqrt(|x|)*cos(3x)+e^(-x*x/50)",
    "(x+1)(x-1)/(x^2+1)", "x*x*x*x/x*sin(x)*x^x",  "less(x,0)*x+greater(x,0)*x^2",
    "0x^2*pow(x,3)",      "ln(x)+root(x,3)/x",     "x^2^0.5*|x-|x||-1/x",
};

constexpr int kArguments = 4000;

double ArgumentAt(int i)
{
    return -40.0 + i * 0.02;
}

// Each thread writes the results of every formula at every argument into
// its own row; the rows then match the results of Evaluate bit for bit.
TEST(ConcurrentEvaluation, ThreadsGetWhatEvaluateGives)
{
    std::vector<std::unique_ptr<CExpression>> expressions;
    std::vector<double> expected;
    for (const char* text : kFormulas) {
        expressions.push_back(Compile(text));
        for (int i = 0; i < kArguments; ++i)
            expected.push_back(EvalAt(*expressions.back(), ArgumentAt(i)));
    }
    constexpr int kThreads = 4;
    std::vector<std::vector<double>> rows(kThreads);
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&, t] {
            std::vector<double>& row = rows[static_cast<size_t>(t)];
            EvalContext context;
            for (const auto& expression : expressions) {
                for (int i = 0; i < kArguments; ++i) {
                    context.argument = ArgumentAt(i);
                    row.push_back(expression->Value(context));
                }
            }
        });
    }
    for (std::thread& thread : threads)
        thread.join();
    for (const std::vector<double>& row : rows) {
        ASSERT_EQ(row.size(), expected.size());
        for (size_t k = 0; k < row.size(); ++k) {
            const bool same = std::isnan(row[k]) ? std::isnan(expected[k])
                                                 : std::memcmp(&row[k], &expected[k], sizeof(double)) == 0;
            ASSERT_TRUE(same) << kFormulas[k / kArguments] << " at " << ArgumentAt(static_cast<int>(k % kArguments));
        }
    }
}

}  // namespace
