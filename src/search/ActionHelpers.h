#pragma once

#include "search/ResultItem.h"
#include "sources/PathInput.h"

namespace zarvo::actions {

// The file name a result stands for, as messages quote it.
inline QString lastComponent(const ResultItem& item) {
    return PathInput::lastPathComponent(item.url.toLocalFile());
}

} // namespace zarvo::actions
