#pragma once
// Parameterised cases carry their own test name in a `name` member.
#include <gtest/gtest.h>

#include <string>

struct CaseName {
  template <typename Case>
  std::string operator()(const testing::TestParamInfo<Case>& info) const {
    return info.param.name;
  }
};
