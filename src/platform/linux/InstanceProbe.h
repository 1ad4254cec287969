#pragma once

namespace zarvo {
class Environment;
}

namespace zarvo::linux_ {

// Whether the running application may be listening on this user's instance socket, told without Qt
// Network: false only when there is no socket folder or connecting fails as it does with no listener
// (no socket file, connection refused), which is when InstanceClient::send finds no instance. True
// sends the caller the way that talks to it. Nothing is asked: the connection closes at once, as the
// instance's own start-up probe does.
bool instanceMayBeListening(const Environment& environment);

} // namespace zarvo::linux_
