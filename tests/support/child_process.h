// Starting a program of the tests as a process of its own, with variables
// added to its environment, and learning how it ended.
#pragma once

#include <QTemporaryFile>

#include <csignal>
#include <fcntl.h>
#include <fstream>
#include <map>
#include <optional>
#include <spawn.h>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

struct ChildEnd {
    int exitCode = -1;  // when it exited
    int signal = 0;     // when a signal ended it
    std::string output; // what it wrote to standard output (RunChild)
};

// The variables this process has, with those given added or replaced. A
// library preloaded into a sanitized program comes before the sanitizer's
// runtime, which is told to accept that.
inline std::vector<std::string> ChildEnvironment(const std::map<std::string, std::string> &added)
{
    std::map<std::string, std::string> all;
    for (char **e = environ; *e; ++e) {
        const std::string entry = *e;
        const size_t eq = entry.find('=');
        if (eq != std::string::npos)
            all[entry.substr(0, eq)] = entry.substr(eq + 1);
    }
    for (const auto &[name, value] : added)
        all[name] = value;
    if (added.count("LD_PRELOAD")) {
        std::string &asan = all["ASAN_OPTIONS"];
        asan += (asan.empty() ? "" : ":") + std::string("verify_asan_link_order=0");
    }
    std::vector<std::string> out;
    for (const auto &[name, value] : all)
        out.push_back(name + "=" + value);
    return out;
}

// Starts the program; -1 when it could not start. Its standard output goes
// to the file given ("" leaves it as this process's).
inline pid_t StartChild(const std::vector<std::string> &argv, const std::map<std::string, std::string> &environment,
                        const std::string &outputFile = "")
{
    std::vector<std::string> env = ChildEnvironment(environment);
    std::vector<char *> args, envp;
    for (const std::string &a : argv)
        args.push_back(const_cast<char *>(a.c_str()));
    args.push_back(nullptr);
    for (std::string &e : env)
        envp.push_back(e.data());
    envp.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (!outputFile.empty())
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, outputFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                         0644);
    pid_t pid = -1;
    if (posix_spawn(&pid, args[0], &actions, nullptr, args.data(), envp.data()) != 0)
        pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

// How the process ended: waits for it, or with `wait` false only looks
// (nothing while it still runs).
inline std::optional<ChildEnd> ChildEnded(pid_t pid, bool wait = true)
{
    int status = 0;
    const pid_t ended = pid < 0 ? -1 : waitpid(pid, &status, wait ? 0 : WNOHANG);
    if (ended == 0)
        return std::nullopt;
    ChildEnd end;
    if (ended == pid && WIFEXITED(status))
        end.exitCode = WEXITSTATUS(status);
    if (ended == pid && WIFSIGNALED(status))
        end.signal = WTERMSIG(status);
    return end;
}

// Runs the program to its end and keeps its standard output.
inline ChildEnd RunChild(const std::vector<std::string> &argv, const std::map<std::string, std::string> &environment)
{
    QTemporaryFile output;
    output.open();
    const std::string file = output.fileName().toStdString();
    ChildEnd end = *ChildEnded(StartChild(argv, environment, file));
    std::ifstream in(file);
    std::stringstream text;
    text << in.rdbuf();
    end.output = text.str();
    return end;
}
