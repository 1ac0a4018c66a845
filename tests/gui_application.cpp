// Text documents measure their fonts, which needs a GUI application (offscreen in tests).
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <memory>

namespace {

class GuiApplicationEnvironment : public ::testing::Environment {
 public:
  void SetUp() override { application_ = std::make_unique<QGuiApplication>(argc_, argv_); }
  void TearDown() override { application_.reset(); }

 private:
  int argc_ = 1;
  char name_[12] = "selvio-test";
  char* argv_[2] = {name_, nullptr};
  std::unique_ptr<QGuiApplication> application_;
};

[[maybe_unused]] ::testing::Environment* const kGuiApplication =
    ::testing::AddGlobalTestEnvironment(new GuiApplicationEnvironment);

}  // namespace
