#pragma once
// Every calculation reads the profile files again, so a test that sets the profile in memory
// stores it first, as the Save User window's "&Save" does.

#include <gtest/gtest.h>

#include "app/session.h"

namespace orvane::test {

inline void storeProfile(Session& s) { ASSERT_TRUE(s.cmdSaveUser_Click()) << "the profile could not be stored"; }

}  // namespace orvane::test
