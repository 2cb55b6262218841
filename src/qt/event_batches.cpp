#include "qt/event_batches.h"

#include <QAbstractEventDispatcher>
#include <QObject>

namespace qtui {

void AfterEachBatch(QObject& context, std::function<void()> action) {
  QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock,
                   &context, std::move(action));
}

}  // namespace qtui
