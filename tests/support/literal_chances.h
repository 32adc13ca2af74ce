#pragma once
// The chances of a set of tips written out outcome by outcome: every draw of six numbers
// from 1..highestNumber, for each draw every Zusatzzahl from the numbers left, and in each
// outcome every tip scored with prizeRank, the best rank counted. The engine
// (prizes/chances.h) must count the same. It takes some seconds for 12 tips in 6 aus 45,
// so the tests use it on the smaller games and the benchmark on 6 aus 45.

#include <vector>

#include "prizes/chances.h"

namespace lotto::testing {

PrizeChances literalPrizeChances(const std::vector<Tip>& tips, PrizeRules rules, int highestNumber);

}  // namespace lotto::testing
