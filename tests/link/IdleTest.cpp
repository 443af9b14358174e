// An idle link costs no CPU: the link thread and a caller whose steps find no frame wait, they
// do not spin. The bound is generous (a tenth of the wall time); a busy wait would use all of it.
#include <time.h>

#include <chrono>
#include <functional>
#include <thread>

#include "TransferTestSupport.h"

namespace vuz::test {
namespace {

using Clock = std::chrono::steady_clock;
constexpr milliseconds kSpan{1500};

milliseconds process_cpu_time() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return std::chrono::duration_cast<milliseconds>(std::chrono::seconds(t.tv_sec) +
                                                  std::chrono::nanoseconds(t.tv_nsec));
}

// CPU time the whole process used while `work` ran.
milliseconds cpu_time_of(const std::function<void()>& work) {
  const milliseconds before = process_cpu_time();
  work();
  return process_cpu_time() - before;
}

TEST_F(LinkTest, IdleLinkUsesNoMeasurableCpu) {
  open_link();
  const milliseconds idle = cpu_time_of([] { std::this_thread::sleep_for(kSpan); });

  std::vector<int32_t> words(305);
  reset_load_count(305);
  int steps = 0;
  const milliseconds waiting = cpu_time_of([&] {
    for (const auto end = Clock::now() + kSpan; Clock::now() < end; ++steps)
      ASSERT_EQ(exec_upload(words.data()), -1);
  });
  RecordProperty("idle_cpu_ms", static_cast<int>(idle.count()));
  RecordProperty("stepping_cpu_ms", static_cast<int>(waiting.count()));
  EXPECT_LT(idle, kSpan / 10);
  EXPECT_LT(waiting, kSpan / 10);
  EXPECT_LE(steps, 6) << "steps on a silent link came back early";
}

}  // namespace
}  // namespace vuz::test
