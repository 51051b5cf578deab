#pragma once

#include <gtest/gtest.h>

#include <string>
#include <type_traits>

namespace testing_support {

// Names a parameterised test after its case: the case itself when it is a
// text, otherwise its `name` member.
struct ParamName {
    template <typename Param>
    std::string operator()(const testing::TestParamInfo<Param>& info) const {
        if constexpr (std::is_convertible_v<Param, const char*>)
            return info.param;
        else
            return info.param.name;
    }
};

} // namespace testing_support
