#include "CExpression.h"
#include "InitExpressionEngine.h"
#include <gtest/gtest.h>
TEST(Smoke, Builds) { SUCCEED(); }
