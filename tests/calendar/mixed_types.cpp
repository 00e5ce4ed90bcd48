// Each case must fail to compile: a stem is neither a branch nor an integer.
// The test suite compiles this file once per case and expects an error.
#include "calendar/ganzhi.h"

int Case() {
#if defined(STEM_EQUALS_BRANCH)
  return vantrel::Stem(3) == vantrel::Branch(3) ? 1 : 0;
#elif defined(STEM_TO_INT)
  int i = vantrel::Stem(3);
  return i;
#elif defined(INT_TO_BRANCH)
  vantrel::Branch b = 3;
  return b.Index();
#elif defined(TABLE_BY_STEM)
  static const int table[10] = {};
  return table[vantrel::Stem(3)];
#else
  // Without a case the file compiles: the check of the check.
  return vantrel::Stem(3).Index() + vantrel::Branch(3).Index();
#endif
}
