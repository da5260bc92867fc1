#include "test_support/NoTmpfile.h"

#include <cerrno>
#include <cstddef>
#include <fcntl.h>
#include <filesystem>
#include <linux/audit.h>
#include <linux/filter.h>
#include <linux/seccomp.h>
#include <sys/prctl.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace test_support {
namespace {

#if defined(__x86_64__)
constexpr unsigned kArch = AUDIT_ARCH_X86_64;
#elif defined(__aarch64__)
constexpr unsigned kArch = AUDIT_ARCH_AARCH64;
#else
constexpr unsigned kArch = 0;
#endif

// The flag without O_DIRECTORY, which O_TMPFILE includes and plain folder opens carry too.
constexpr unsigned kTmpfileBit = static_cast<unsigned>(O_TMPFILE & ~O_DIRECTORY);
constexpr unsigned kRefuse = SECCOMP_RET_ERRNO | (static_cast<unsigned>(EOPNOTSUPP) & SECCOMP_RET_DATA);

constexpr unsigned argument(int index) {
    return static_cast<unsigned>(offsetof(seccomp_data, args) + static_cast<std::size_t>(index) * 8);
}

bool refused() {
    const auto folder = std::filesystem::temp_directory_path();
    const int fd = ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
    if (fd >= 0) {
        ::close(fd);
        return false;
    }
    return errno == EOPNOTSUPP;
}

} // namespace

bool refuseTmpfile() {
    if (kArch == 0) {
        return false;
    }
    // The low half of the flags argument (little-endian) holds the bit.
    sock_filter program[] = {
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, arch)),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, kArch, 1, 0),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW),
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, nr)),
#ifdef SYS_open
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, SYS_openat, 0, 2),
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, argument(2)),
        BPF_JUMP(BPF_JMP | BPF_JA | BPF_K, 2, 0, 0),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, SYS_open, 0, 3),
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, argument(1)),
#else
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, SYS_openat, 0, 3),
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, argument(2)),
#endif
        BPF_JUMP(BPF_JMP | BPF_JSET | BPF_K, kTmpfileBit, 0, 1),
        BPF_STMT(BPF_RET | BPF_K, kRefuse),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW),
    };
    const sock_fprog filter{static_cast<unsigned short>(sizeof(program) / sizeof(program[0])), program};
    if (::prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) != 0 ||
        ::prctl(PR_SET_SECCOMP, SECCOMP_MODE_FILTER, &filter) != 0) {
        return false;
    }
    return refused();
}

} // namespace test_support
