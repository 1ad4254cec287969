#pragma once

// The common requests to the running instance (`zarvo --toggle` bound to a key) sent with system calls
// alone: the program that sends them links no Qt, which would cost each press about 2 ms of loading
// before its request leaves. Everything out of the ordinary is left to the full client in the
// desktop module (InstanceClient), which says what went wrong in the user's language.
namespace zarvo::linux_::QuickRequest {

struct Outcome {
    // notSent: nothing went out (no private runtime folder, no server, another user's server, a startup
    //   id that would need escaping); the full client may do it all again.
    // answered: the instance answered the plain {"ok":true}.
    // handedOver: the request went out (or broke while going out); `socket` is the connection, its
    //   answer still unread, for the full client to finish.
    enum class State { notSent, answered, handedOver };
    State state = State::notSent;
    int socket = -1;
    // 0 when the whole request went out; ETIMEDOUT when it could not in time; the errno otherwise.
    int sendError = 0;
    // The wait for the answer ends at this CLOCK_MONOTONIC time, in milliseconds.
    long long deadlineMs = 0;
    int timeoutMs = 0;
};

// Sends {"startupId": $DESKTOP_STARTUP_ID, "type": `type`} to this user's instance socket,
// "<identifier>-<uid>" in $XDG_RUNTIME_DIR, in the instance's frame (4-byte big-endian length, JSON).
Outcome send(const char* identifier, const char* type, int timeoutMs);

// CLOCK_MONOTONIC now, in milliseconds.
long long nowMs();

} // namespace zarvo::linux_::QuickRequest
