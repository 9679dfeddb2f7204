// Children of the real-window tests run as "nobody" take on its user and its
// own group, and no other group.

#include <gtest/gtest.h>
#include <pwd.h>
#include <unistd.h>

#include <string>

#include "tests/course/process.h"

namespace course_test {
namespace {

TEST(Child, AsNobodyRunsWithNobodysUserAndGroup) {
  if (geteuid() != 0) GTEST_SKIP() << "only root can become another user";
  const passwd* nobody = getpwnam("nobody");
  ASSERT_NE(nobody, nullptr);
  int ids[2];
  ASSERT_EQ(pipe(ids), 0);
  Child child({.argv = {"sh", "-c", "id -u >&3; id -G >&3"}, .pass_fd = ids[1], .as_nobody = true});
  close(ids[1]);
  EXPECT_EQ(child.wait_exit(std::chrono::seconds(30)), 0);
  std::string told;
  char buffer[256];
  for (ssize_t n; (n = read(ids[0], buffer, sizeof buffer)) > 0;) told.append(buffer, static_cast<std::size_t>(n));
  close(ids[0]);
  EXPECT_EQ(told, std::to_string(nobody->pw_uid) + "\n" + std::to_string(nobody->pw_gid) + "\n");
}

}  // namespace
}  // namespace course_test
