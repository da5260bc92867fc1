#pragma once

// A process that sees a file system without files that have no name (O_TMPFILE), such as many FUSE
// and network file systems, on any file system: the writers' fallback to named temporary files runs.

namespace test_support {

/// From now on the kernel refuses O_TMPFILE to this process and its children with EOPNOTSUPP.
/// It cannot be undone: call it in a forked child (ChildProcess). False where it cannot be set (an
/// architecture it does not know, or a kernel that refuses the filter); the test should then skip.
[[nodiscard]] bool refuseTmpfile();

} // namespace test_support
