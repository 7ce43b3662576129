#pragma once

// The child processes of the bench programs: a program folder laid out for them, and a
// run with the child's output discarded.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <vector>

extern char **environ;

namespace orvel::bench {

// A program folder of its own: the ephemeris files linked in and nothing else.
inline bool makeProgramFolder(const QString &folder, const QString &ephemerisFolder)
{
    return QDir().mkpath(folder) && QFile::link(ephemerisFolder, folder + QStringLiteral("/Ephem"));
}

// Runs `arguments` (a program without a folder is looked up on PATH) with standard
// output and error discarded; true when it exits with 0. `usage` receives the
// child's resource usage, its peak resident memory among them.
inline bool runQuietly(const std::vector<QByteArray> &arguments, rusage *usage = nullptr)
{
    std::vector<char *> argv;
    for (const QByteArray &a : arguments)
        argv.push_back(const_cast<char *>(a.constData()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t child = 0;
    int status = 0;
    rusage ignored{};
    const bool ok = posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), environ) == 0
        && wait4(child, &status, 0, usage ? usage : &ignored) == child && WIFEXITED(status)
        && WEXITSTATUS(status) == 0;
    posix_spawn_file_actions_destroy(&actions);
    return ok;
}

} // namespace orvel::bench
