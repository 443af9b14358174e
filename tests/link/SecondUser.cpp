// Loads the link library as a second process would: prints "loaded", then tries to open the
// port given as the first argument and prints the result, the state and how long the init took.
// With "hold" as the second argument it then keeps the library until its input ends.
#include <chrono>
#include <cstdio>
#include <cstring>

#include "klvndrv.h"

int main(int argc, char** argv) {
  if (argc != 2 && !(argc == 3 && std::strcmp(argv[2], "hold") == 0)) return 2;
  std::printf("loaded\n");
  std::fflush(stdout);
  const auto start = std::chrono::steady_clock::now();
  const int32_t result = init_klvn_slave(argv[1]);
  const auto took = std::chrono::duration_cast<std::chrono::milliseconds>(
      std::chrono::steady_clock::now() - start);
  std::printf("init=%d state=%d ms=%lld\n", result, get_klvn_state(),
              static_cast<long long>(took.count()));
  std::fflush(stdout);
  if (argc == 3) {
    while (std::getchar() != EOF) {
    }
  }
  return 0;
}
