// How many files and sockets the process holds open, to catch ones that an
// operation leaves behind.
#ifndef TESTS_FTP_REAL_OPEN_DESCRIPTORS_H
#define TESTS_FTP_REAL_OPEN_DESCRIPTORS_H

// -1 where the system does not tell (Windows).
int OpenDescriptorCount();

#endif
