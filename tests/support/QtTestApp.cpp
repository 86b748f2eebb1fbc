// Window tests need one QApplication for the whole binary; it is made when
// the tests start, after the test main has chosen the offscreen platform.

#include <QApplication>

#include <gtest/gtest.h>

#include <memory>

namespace {

class QtEnvironment : public testing::Environment {
public:
    void SetUp() override { m_app = std::make_unique<QApplication>(m_argc, m_argv); }
    void TearDown() override { m_app.reset(); }

private:
    int m_argc = 1;
    char m_name[8] = "tests";
    char* m_argv[2] = {m_name, nullptr};
    std::unique_ptr<QApplication> m_app;
};

const auto* const g_environment = testing::AddGlobalTestEnvironment(new QtEnvironment);

} // namespace
