#pragma once

#include "platform/platformservices.h"
#include "print/surfaces/forwardingsurface.h"
#include "print/surfaces/recordingsurface.h"

#include <functional>
#include <memory>

namespace bks::test {

// Hands a run a surface that it may own and destroy, while the test keeps
// the recording.
inline std::function<std::unique_ptr<PrintSurface>(const PrinterChoice &)> openInto(RecordingSurface &target)
{
    return [&target](const PrinterChoice &) { return std::make_unique<ForwardingSurface>(target); };
}

}  // namespace bks::test
