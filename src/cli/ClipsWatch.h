#pragma once

#include <QTextStream>

namespace zarvo {

class ClipStore;

// `clips watch`: lets `store` capture copies from its pasteboard, printing one line per captured clip
// (identifier, kind, title) to `out`, until SIGINT, SIGTERM or SIGHUP arrives, or after the first
// capture when `once`. A copy made just before the stop is still captured, and everything is on disk
// when this returns. Returns the exit code.
int watchClips(ClipStore& store, bool once, QTextStream& out, QTextStream& err);

} // namespace zarvo
