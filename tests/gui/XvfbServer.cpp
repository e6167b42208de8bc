#include "XvfbServer.h"

#include <map>
#include <memory>
#include <stdexcept>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <X11/Xlib.h>

extern char** environ;

namespace tarvolin::test {

const XvfbServer& XvfbServer::get(int depth, bool sharedMemory) {
    static std::map<std::pair<int, bool>, std::unique_ptr<XvfbServer>> servers;
    std::unique_ptr<XvfbServer>& server = servers[{depth, sharedMemory}];
    if (server == nullptr) {
        server.reset(new XvfbServer(depth, sharedMemory));
    }
    return *server;
}

XvfbServer::XvfbServer(int depth, bool sharedMemory) {
    int ready[2];
    if (pipe(ready) != 0) {
        throw std::runtime_error("no pipe for Xvfb");
    }
    fcntl(ready[0], F_SETFD, FD_CLOEXEC);
    // The server picks a free display and writes its number once it listens.
    std::vector<std::string> arguments{
        TARVOLIN_XVFB, "-displayfd", std::to_string(ready[1]),
        "-nolisten",   "tcp",        "-terminate",
        "-screen",     "0",          "1920x1200x" + std::to_string(depth)};
    if (!sharedMemory) {
        arguments.insert(arguments.end(), {"-extension", "MIT-SHM"});
    }
    std::vector<char*> argv;
    for (std::string& argument : arguments) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);
    // It reports every display number it finds taken on the way: not the tests' business.
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t child = -1;
    const int spawned = posix_spawn(&child, TARVOLIN_XVFB, &quiet, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&quiet);
    close(ready[1]);
    std::string number;
    char digit = 0;
    while (spawned == 0 && read(ready[0], &digit, 1) == 1 && digit != '\n') {
        number.push_back(digit);
    }
    close(ready[0]);
    if (spawned != 0 || number.empty()) {
        throw std::runtime_error("Xvfb did not start");
    }
    process = child;
    displayName = ":" + number;
    // The server ends once its last client goes: this one, which goes with
    // the program however it ends, so that no server outlives a test killed.
    keeper = XOpenDisplay(displayName.c_str());
    if (keeper == nullptr) {
        kill(process, SIGTERM);
        waitpid(process, nullptr, 0);
        throw std::runtime_error("cannot reach " + displayName);
    }
}

XvfbServer::~XvfbServer() {
    if (keeper != nullptr) {
        XCloseDisplay(keeper);
    }
    if (process > 0) {
        kill(process, SIGTERM);
        waitpid(process, nullptr, 0);
    }
}

void XvfbServer::select() const {
    setenv("DISPLAY", displayName.c_str(), 1);
}

} // namespace tarvolin::test
