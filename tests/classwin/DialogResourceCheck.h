#pragma once
// A dialog resource is tidy: every control the dialog addresses is there once,
// no two controls share a grid cell, and OK (the default) and Cancel exist.
#include <gtest/gtest.h>

#include <set>
#include <tuple>

#include "platform/Dialog.h"

namespace quorle::resources {

inline void ExpectTidy(const platform::DialogResource& d) {
    std::set<int> ids;
    std::set<std::tuple<int, int, int>> cells;  // group, row, column
    for (const auto& c : d.controls) {
        if (c.id >= 0) {
            EXPECT_TRUE(ids.insert(c.id).second) << d.caption << ": id " << c.id << " twice";
        }
        for (int r = c.row; r < c.row + c.rowSpan; ++r)
            for (int k = c.column; k < c.column + c.columnSpan; ++k) {
                EXPECT_TRUE(cells.insert({c.group, r, k}).second)
                    << d.caption << ": cell " << r << "," << k << " taken twice (\"" << c.text << "\")";
            }
    }
    ASSERT_NE(d.Find(platform::kIdOk), nullptr);
    ASSERT_NE(d.Find(platform::kIdCancel), nullptr);
    EXPECT_TRUE(d.Find(platform::kIdOk)->style & platform::kStyleDefault);
}

}  // namespace quorle::resources
