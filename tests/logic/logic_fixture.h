// The starting point of every logic test: the record as the viewer has it when its loop starts,
// and a clean stand-in record.
#pragma once

#include "app/app_state.h"
#include "glut_stand_in.h"

#include <gtest/gtest.h>

#include <cstring>

// The record with its static defaults and the viewer's camera and light, and no call recorded.
inline void resetViewer()
{
    app = AppState{};
    setViewerDefaults();
    resetStandIn();
}

// A byte-for-byte copy of the record, padding included.
inline AppState copyOf(const AppState& state)
{
    AppState copy;
    std::memcpy(static_cast<void*>(&copy), &state, sizeof copy);
    return copy;
}

// Whether two records hold the same bytes.
inline bool sameBytes(const AppState& a, const AppState& b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

class LogicTest : public ::testing::Test {
protected:
    void SetUp() override { resetViewer(); }
};
