#include "core/app/LargePageTunables.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace {

// Each test starts without GLIBC_TUNABLES and leaves the process's environment as it found it.
class LargePageTunablesTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (const char* value = std::getenv("GLIBC_TUNABLES"))
            m_saved = value;
        unsetenv("GLIBC_TUNABLES");
    }
    void TearDown() override {
        if (m_saved)
            setenv("GLIBC_TUNABLES", m_saved->c_str(), 1);
        else
            unsetenv("GLIBC_TUNABLES");
    }
    static std::string current() {
        const char* value = std::getenv("GLIBC_TUNABLES");
        return value != nullptr ? value : "(unset)";
    }

private:
    std::optional<std::string> m_saved;
};

constexpr char kSettings[] = "glibc.malloc.hugetlb=1:glibc.malloc.top_pad=268435456:glibc.malloc.mmap_max=0:"
                             "glibc.malloc.trim_threshold=1073741824";

TEST_F(LargePageTunablesTest, SettingsGoAfterTheUsersOwnAndAreNeverAddedTwice) {
    ASSERT_TRUE(LargePageTunables::set());
    EXPECT_EQ(current(), kSettings);
    ASSERT_TRUE(LargePageTunables::set());
    EXPECT_EQ(current(), kSettings);

    setenv("GLIBC_TUNABLES", "glibc.malloc.arena_max=2", 1);
    ASSERT_TRUE(LargePageTunables::set());
    EXPECT_EQ(current(), std::string("glibc.malloc.arena_max=2:") + kSettings);

    setenv("GLIBC_TUNABLES", "", 1);
    ASSERT_TRUE(LargePageTunables::set());
    EXPECT_EQ(current(), kSettings);
}

TEST_F(LargePageTunablesTest, AUsersChoiceOfHeapPagesStands) {
    EXPECT_FALSE(LargePageTunables::chosen(nullptr));
    EXPECT_FALSE(LargePageTunables::chosen("glibc.malloc.arena_max=2"));
    setenv("GLIBC_TUNABLES", "glibc.malloc.hugetlb=0", 1);
    EXPECT_TRUE(LargePageTunables::chosen(std::getenv("GLIBC_TUNABLES")));
    ASSERT_TRUE(LargePageTunables::set());
    EXPECT_EQ(current(), "glibc.malloc.hugetlb=0");
}

} // namespace
