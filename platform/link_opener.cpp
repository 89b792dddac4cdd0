#include "platform/link_opener.h"

#include <signal.h>
#include <spawn.h>
#include <sys/types.h>

extern char** environ;

void XdgLinkOpener::openLink(const std::string& link) {
    // The link goes in as one argument vector entry, never through a shell, so
    // nothing in it can be read as a command.
    std::string program = "xdg-open";
    std::vector<char*> argv{program.data(), const_cast<char*>(link.c_str()), nullptr};
    // Children are not waited for; ignoring SIGCHLD lets the kernel reap them.
    signal(SIGCHLD, SIG_IGN);
    pid_t pid = 0;
    posix_spawnp(&pid, program.c_str(), nullptr, nullptr, argv.data(), environ);
}
