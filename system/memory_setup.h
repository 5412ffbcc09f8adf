#pragma once
// How the program takes memory from the system, set first thing in main (before any thread).
//
// A big tree is hundreds of megabytes of small records, lists and tables, and fresh memory is
// paid for at its first touch page by page: with 4 KiB pages that is most of the system time of
// opening a million persons. The C library hands out huge pages for its heap only when told so at
// the start of the process (glibc.malloc.hugetlb in GLIBC_TUNABLES), so without it the process
// starts itself once more with that setting, under the name it was started by. The programs it
// starts later do not inherit the setting.
//
// Large passing buffers (reading a tree, sorting the person list) go straight back to the system
// when freed, instead of staying among a big tree's memory for good.
void setUpMemory(char** argv);
