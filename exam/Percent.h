#pragma once
// One rule for a share shown in whole percent, wherever it is shown (the
// score line, Progress, the exam and its result): rounded down, so that a
// share never shows more than was achieved. 73.9 % reads 73 %, not a pass
// at a 74 % mark, and 100 % means every one. A share of nothing is 0 %;
// the score line alone shows 100 % for a test with nothing to count, as
// it always has.

int WholePercent(long long part, long long whole);
