#include "x_session.h"

#include <QByteArray>
#include <QDeadlineTimer>
#include <QStandardPaths>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <functional>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace quenza::platform {

namespace {

constexpr int kStartSeconds = 20;
constexpr char kReadyMark[] = "quenza-window-manager-ready";

// Runs program with the given arguments, its output into outputFd (or
// nowhere), its errors nowhere.
pid_t spawn(const QString& program, const QStringList& arguments, int outputFd) {
    std::vector<QByteArray> words{program.toLocal8Bit()};
    for (const QString& argument : arguments) {
        words.push_back(argument.toLocal8Bit());
    }
    std::vector<char*> argv;
    for (QByteArray& word : words) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    if (outputFd >= 0) {
        posix_spawn_file_actions_adddup2(&actions, outputFd, 1);
    } else {
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    }
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    const int failed = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    return failed == 0 ? pid : -1;
}

// Reads fd until a line satisfies done, or the deadline passes.
bool readUntil(int fd, const QDeadlineTimer& deadline,
               const std::function<bool(QByteArray)>& done) {
    QByteArray pending;
    while (!deadline.hasExpired()) {
        pollfd watch{fd, POLLIN, 0};
        const int ready = poll(&watch, 1, int(qMax<qint64>(1, deadline.remainingTime())));
        if (ready < 0 && errno == EINTR) {
            continue;
        }
        if (ready <= 0) {
            return false;
        }
        char chunk[256];
        const ssize_t got = read(fd, chunk, sizeof chunk);
        if (got <= 0) {
            return false;
        }
        pending.append(chunk, got);
        qsizetype end = 0;
        while ((end = pending.indexOf('\n')) >= 0) {
            if (done(pending.left(end).trimmed())) {
                return true;
            }
            pending.remove(0, end + 1);
        }
    }
    return false;
}

struct Pipe {
    int read = -1;
    int write = -1;
    Pipe() {
        int ends[2];
        if (pipe(ends) == 0) {
            read = ends[0];
            write = ends[1];
            fcntl(read, F_SETFD, FD_CLOEXEC);
        }
    }
    ~Pipe() {
        closeWrite();
        if (read >= 0) {
            close(read);
        }
    }
    void closeWrite() {
        if (write >= 0) {
            close(write);
            write = -1;
        }
    }
};

void end(pid_t& pid) {
    if (pid > 0) {
        kill(pid, SIGTERM);
        waitpid(pid, nullptr, 0);
        pid = -1;
    }
}

} // namespace

XSession::XSession() {
    problem_ = start();
    if (!problem_.isEmpty()) {
        stop();
    }
}

XSession::~XSession() {
    stop();
}

void XSession::stop() {
    end(windowManager_);
    end(server_);
    if (windowManagerOutput_ >= 0) {
        close(windowManagerOutput_);
        windowManagerOutput_ = -1;
    }
}

QString XSession::start() {
    const QString server = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
    const QString windowManager = QStandardPaths::findExecutable(QStringLiteral("openbox"));
    if (server.isEmpty() || windowManager.isEmpty()) {
        return QStringLiteral("needs Xvfb and openbox (scripts/install-deps.sh installs them)");
    }
    const QDeadlineTimer deadline(kStartSeconds * 1000);

    // The server picks a free display itself and writes its number down.
    Pipe displayNumber;
    server_ = spawn(server,
                    {QStringLiteral("-displayfd"), QString::number(displayNumber.write),
                     QStringLiteral("-nolisten"), QStringLiteral("tcp"), QStringLiteral("-screen"),
                     QStringLiteral("0"), QStringLiteral("1024x768x24")},
                    -1);
    displayNumber.closeWrite();
    const bool serverUp =
        server_ > 0 && readUntil(displayNumber.read, deadline, [this](QByteArray line) {
            display_ = QLatin1Char(':') + QString::fromLatin1(line);
            return !line.isEmpty();
        });
    if (!serverUp) {
        return QStringLiteral("Xvfb did not start");
    }

    // The window manager runs its start-up command once it manages the screen.
    qputenv("DISPLAY", display_.toLocal8Bit());
    Pipe output;
    windowManager_ =
        spawn(windowManager,
              {QStringLiteral("--startup"), QStringLiteral("echo ") + QLatin1String(kReadyMark)},
              output.write);
    output.closeWrite();
    const bool managing =
        windowManager_ > 0 &&
        readUntil(output.read, deadline, [](QByteArray line) { return line == kReadyMark; });
    // Kept open while it runs: a window manager writing into a closed pipe
    // would be killed by it.
    windowManagerOutput_ = output.read;
    output.read = -1;
    return managing ? QString() : QStringLiteral("openbox did not start on ") + display_;
}

} // namespace quenza::platform
