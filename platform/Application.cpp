#include "platform/Application.h"

namespace platform {

namespace {
IdleHandler idleHandler = nullptr;
}

void SetIdleHandler(IdleHandler handler) {
    idleHandler = handler;
}

void RunIdleProcessing() {
    if (idleHandler != nullptr) {
        idleHandler();
    }
}

} // namespace platform
