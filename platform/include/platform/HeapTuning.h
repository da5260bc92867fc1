#pragma once

namespace platform {

/// Lets the C library keep freed heap memory instead of handing it back to the kernel after every
/// large free. SQLite frees and takes again its sorting and temporary structures on every
/// statement; returning them each time costs a page-table flush across the processor's cores, which
/// was a third of loading one steel. Call once at the start of a program, before its threads; the
/// setting is the process's.
void keepFreedHeap() noexcept;

} // namespace platform
