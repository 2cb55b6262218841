#pragma once

#include <functional>

class QObject;

namespace qtui {

// Runs `action` each time the event loop has handled the pending events and is about to wait,
// for as long as `context` exists. Nested event loops (a modal dialog) count as well.
void AfterEachBatch(QObject& context, std::function<void()> action);

}  // namespace qtui
