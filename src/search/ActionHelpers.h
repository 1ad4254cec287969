#pragma once

#include "platform/Platform.h"
#include "platform/Workspace.h"
#include "search/ResultItem.h"
#include "sources/PathInput.h"

namespace zarvo::actions {

// The file name a result stands for, as messages quote it.
inline QString lastComponent(const ResultItem& item) {
    return PathInput::lastPathComponent(item.url.toLocalFile());
}

// The running platform's workspace; none in a process without one.
inline Workspace* workspace() {
    return Platform::current().workspace;
}

} // namespace zarvo::actions
