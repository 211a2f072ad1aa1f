#include "tests/fuzz/private_network.h"

#include <fcntl.h>
#include <net/if.h>
#include <sched.h>
#include <stdio.h>
#include <string.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

bool WriteProcFile(const char *path, const char *text)
{
    const int fd = open(path, O_WRONLY);
    if (fd < 0)
        return false;
    const ssize_t length = static_cast<ssize_t>(strlen(text));
    const bool written = write(fd, text, length) == length;
    close(fd);
    return written;
}

// Without the right to make a network namespace, a user namespace in which
// this user is root gives it.
bool EnterAsNamespaceRoot()
{
    const unsigned user = getuid();
    const unsigned group = getgid();
    if (unshare(CLONE_NEWUSER | CLONE_NEWNET) != 0)
        return false;
    char map[64];
    snprintf(map, sizeof map, "0 %u 1", user);
    if (!WriteProcFile("/proc/self/uid_map", map) ||
        !WriteProcFile("/proc/self/setgroups", "deny"))
        return false;
    snprintf(map, sizeof map, "0 %u 1", group);
    return WriteProcFile("/proc/self/gid_map", map);
}

// A new namespace's loopback starts down.
bool BringUpLoopback()
{
    const int fd = socket(AF_INET, SOCK_DGRAM, 0);
    if (fd < 0)
        return false;
    ifreq request;
    memset(&request, 0, sizeof request);
    strncpy(request.ifr_name, "lo", IFNAMSIZ - 1);
    bool up = ioctl(fd, SIOCGIFFLAGS, &request) == 0;
    request.ifr_flags |= IFF_UP;
    up = up && ioctl(fd, SIOCSIFFLAGS, &request) == 0;
    close(fd);
    return up;
}

} // namespace

bool EnterPrivateNetwork()
{
    if (unshare(CLONE_NEWNET) != 0 && !EnterAsNamespaceRoot())
        return false;
    return BringUpLoopback();
}
