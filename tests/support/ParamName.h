#pragma once

#include <gtest/gtest.h>

#include <string>

namespace testing_support {

// Names a parameterised test after its case's `name` member.
struct ParamName {
    template <typename Param>
    std::string operator()(const testing::TestParamInfo<Param>& param) const {
        return param.param.name;
    }
};

} // namespace testing_support
