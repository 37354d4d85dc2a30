// GDI+ running for the whole of a test executable. Register it once per
// executable:
//   const auto* const kEnv = testing::AddGlobalTestEnvironment(new testing_support::GdiplusEnvironment);
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "ui/gdiplus_session.h"

namespace testing_support {

class GdiplusEnvironment : public testing::Environment {
  public:
    void SetUp() override { session_ = std::make_unique<ui::GdiplusSession>(); }
    void TearDown() override { session_.reset(); }

  private:
    std::unique_ptr<ui::GdiplusSession> session_;
};

}  // namespace testing_support
