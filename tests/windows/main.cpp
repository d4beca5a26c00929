#include <gtest/gtest.h>

#include "toolkit/toolkit.h"

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  StartToolkit();
  return RUN_ALL_TESTS();
}
