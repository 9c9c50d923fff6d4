#pragma once

#include <QString>
#include <sys/types.h>

namespace quenza::platform {

// A private X server with a window manager, so window tests can see real
// frames. Either it runs (display() names it) or problem() says why not.
class XSession {
public:
    XSession();
    ~XSession();
    XSession(const XSession&) = delete;
    XSession& operator=(const XSession&) = delete;

    bool running() const { return problem_.isEmpty(); }
    const QString& display() const { return display_; }
    const QString& problem() const { return problem_; }
    // Ends the window manager and the server; the application talking to
    // them must be gone first.
    void stop();

private:
    QString start();

    pid_t server_ = -1;
    pid_t windowManager_ = -1;
    int windowManagerOutput_ = -1;
    QString display_;
    QString problem_;
};

} // namespace quenza::platform
